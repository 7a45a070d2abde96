// Which command each control event starts. Front ends connect exactly these
// events and no others; a command runs to completion inside its event.
#pragma once

#include <array>

#include "app/command_context.h"
#include "app/control_table.h"

enum class ControlEvent { Clicked, ContentChanged };

struct Binding {
  Control control;
  ControlEvent event;
  void (*command)(const CommandContext& context);
};

extern const std::array<Binding, 6> kBindingTable;
