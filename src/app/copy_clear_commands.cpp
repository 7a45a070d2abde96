#include "app/copy_clear_commands.h"

void CopyBoxToClipboard(WindowServices& window, Control box) {
  window.SetClipboardText(window.ReadControlText(box));
}

void ClearAllBoxes(WindowServices& window) {
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4})
    window.WriteControlText(box, "");
}
