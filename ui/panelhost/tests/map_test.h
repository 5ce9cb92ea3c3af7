// Ids of the layout-view tests' dialog templates.
#pragma once

#define IDD_TEST_MAP_VIEW 5001
#define IDD_TEST_MAP_PAGE 5002
