// The Options menu's check items as assistive technology reads them.
#pragma once

namespace kestalon {

// From now on, a checkable item of a menu reads as checked or not checked. Qt 6.4 does not tell
// assistive technology that a menu item can be checked, so a screen reader says "checked" of
// an item that is on and nothing of one that is off: such an item is described as "not
// checked". Call before the menus are made.
void InstallCheckMenuItemAccessibility();

}  // namespace kestalon
