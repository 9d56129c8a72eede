// Identifiers of the Notes sample's resources.
#define IDR_MAINFRAME 128
#define IDR_NOTETYPE 129
#define IDR_CARDTYPE 130
#define IDD_CARD 131
#define IDC_CARD_NAME 1000
#define IDC_CARD_PHONE 1001
#define IDC_CARD_FAVOURITE 1002
#define ID_CARD_CLEAR 32771
#define ID_CARD_PROPERTIES 32772
#define IDD_CARD_CONTACT 132
#define IDD_CARD_MARK 133
