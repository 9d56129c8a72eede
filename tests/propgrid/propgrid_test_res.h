// String resources of the property-grid tests (propgrid_test.rc).
#pragma once

#define IDS_TEST_NAME_AND_SENTENCE 1001
#define IDS_TEST_CAPTION_ONLY 1002
#define IDS_TEST_TWO_LINE_FEEDS 1003
#define IDS_TEST_MISSING 1004
