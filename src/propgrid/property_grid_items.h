// Every property item type: the plain item and the typed ones.
#pragma once

#include "propgrid/property_grid_item.h"
#include "propgrid/property_grid_item_bool.h"
#include "propgrid/property_grid_item_color.h"
#include "propgrid/property_grid_item_file.h"
#include "propgrid/property_grid_item_icon.h"
#include "propgrid/property_grid_item_input.h"
#include "propgrid/property_grid_item_number.h"
#include "propgrid/property_grid_item_size.h"
