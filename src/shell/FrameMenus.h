#pragma once

#include "MenuBuilder.h"

#include <span>

// The items of the frame's own menus, in menu order.
std::span<const TMenuItemSpec> FrameFileMenuItems();
std::span<const TMenuItemSpec> FrameOptionsMenuItems();
std::span<const TMenuItemSpec> FrameWindowMenuItems();
std::span<const TMenuItemSpec> FrameHelpMenuItems();
