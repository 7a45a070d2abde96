#include "app/bindings.h"

#include "app/copy_clear_commands.h"
#include "extract/extract_command.h"

namespace {

void IgnoreAddressChange(const CommandContext&) {}

}  // namespace

const std::array<Binding, 6> kBindingTable{{
    {Control::按钮1, ControlEvent::Clicked,
     [](const CommandContext& c) { ExtractDownloadAddresses(c); }},
    {Control::按钮2, ControlEvent::Clicked,
     [](const CommandContext& c) { CopyBoxToClipboard(c.window, Control::编辑框2); }},
    {Control::按钮3, ControlEvent::Clicked,
     [](const CommandContext& c) { CopyBoxToClipboard(c.window, Control::编辑框3); }},
    {Control::按钮4, ControlEvent::Clicked,
     [](const CommandContext& c) { CopyBoxToClipboard(c.window, Control::编辑框4); }},
    {Control::按钮5, ControlEvent::Clicked, [](const CommandContext& c) { ClearAllBoxes(c.window); }},
    {Control::编辑框1, ControlEvent::ContentChanged, IgnoreAddressChange},
}};
