#pragma once

#include <span>
#include <string>

namespace varn {

// One item of the main menu (resource 128), in menu order.
struct MenuItem {
    const char* menu;    // top-level menu: "File", "Data", "Parameter", "View", "Help"
    const char* caption; // exactly as shown, "\t" separating the accelerator text
    int id;
    bool separatorAfter;
};

// Every item of the menu bar. The File menu's "Recent File" item stands for the recent-file
// entries (ids 57616 onwards) that replace it once files have been opened.
std::span<const MenuItem> menuItems();

// The top-level menus in their order.
std::span<const char* const> menuNames();
// A top-level menu's title on the menu bar, with the mnemonic that Alt opens it by ("&File").
std::string menuTitle(const char* name);

// The toolbar (resource 128): command ids in button order, 0 for a separator.
std::span<const int> toolbarButtons();

// The string table entry of a command id: the status-bar prompt and the tooltip (the parts before
// and after its line break). Both are empty for ids without an entry.
std::string statusPrompt(int id);
std::string toolTip(int id);

// Number of entries the recent-file list keeps.
inline constexpr int kRecentFileCount = 5;

} // namespace varn
