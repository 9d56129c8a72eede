// Resource numbers of the library module itself (KX.dll); included by the
// resource script, so only #define lines here.
#pragma once

#define IDC_KX_SPLITH 18009
#define IDC_KX_SPLITV 18010
#define IDC_KX_DRAGCOPY 18011
#define IDC_KX_DRAGMOVE 18012
#define IDC_KX_HAND 18013
#define IDC_KX_DRAGNONE 18014
#define IDC_KX_HANDNONE 18015
