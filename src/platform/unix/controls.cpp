#include "controls.h"

#include <QFontMetrics>
#include <algorithm>

#include "caption_button.h"
#include "caption_label.h"
#include "edit_box.h"
#include "qt_text.h"

namespace {

constexpr int kEdgeHeight = 2;

QWidget* MakeEditBox(const ControlRow& row, QWidget* parent) {
  auto* box = new EditBox(parent);
  box->setText(TextToQString(row.text));
  box->setCursorPosition(0);
  const int lineHeight =
      box->fontMetrics().size(Qt::TextSingleLine, QStringLiteral(u"吴")).height();
  box->setGeometry(row.left, row.top, row.width, EditBoxHeight(row.height, lineHeight));
  return box;
}

}  // namespace

int EditBoxHeight(int storedHeight, int fontLineHeight) {
  return std::max(storedHeight, fontLineHeight + 2 * kEdgeHeight);
}

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
  QWidget* control = nullptr;
  switch (row.kind) {
    case ControlKind::EditBox:
      return MakeEditBox(row, parent);
    case ControlKind::Label:
      control = new CaptionLabel(TextToQString(row.text), parent);
      break;
    case ControlKind::Button:
      control = new CaptionButton(TextToQString(row.text), parent);
      break;
  }
  control->setGeometry(row.left, row.top, row.width, row.height);
  return control;
}

QString ControlText(const QWidget* control) {
  if (auto* box = qobject_cast<const EditBox*>(control)) return box->text();
  if (auto* button = qobject_cast<const CaptionButton*>(control)) return button->text();
  if (auto* label = qobject_cast<const CaptionLabel*>(control)) return label->Caption();
  return {};
}

void SetControlText(QWidget* control, const QString& text) {
  if (auto* box = qobject_cast<EditBox*>(control)) box->Write(text);
  if (auto* button = qobject_cast<CaptionButton*>(control)) button->setText(text);
  if (auto* label = qobject_cast<CaptionLabel*>(control)) label->SetCaption(text);
}
