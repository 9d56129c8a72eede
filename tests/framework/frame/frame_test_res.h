// Identifiers of the frame, view and document tests' resources.
#pragma once

#define IDR_TESTFRAME 200
#define IDR_TESTDOC 201
#define IDR_OTHERDOC 202
#define IDD_TESTFORM 210
#define IDC_FORM_NAME 1001
#define IDC_FORM_COUNT 1002
#define ID_TEST_CMD 0x8101
#define ID_TEST_UNHANDLED 0x8102
#define ID_TEST_ACCEL 0x8103
