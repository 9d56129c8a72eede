// Resources of the edit tests (edit_test.rc).
#pragma once

#define IDR_TEST_BROWSE_MENU 2001
#define ID_TEST_BROWSE_FIRST 2101
#define ID_TEST_BROWSE_SECOND 2102
