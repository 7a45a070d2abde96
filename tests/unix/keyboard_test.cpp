#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <memory>
#include <vector>

#include "shown_window.h"

namespace {

constexpr Control kTabOrder[] = {Control::编辑框1, Control::编辑框2, Control::编辑框3,
                                 Control::编辑框4, Control::按钮1,   Control::按钮2,
                                 Control::按钮3,   Control::按钮4,   Control::按钮5};
constexpr Control kButtons[] = {Control::按钮1, Control::按钮2, Control::按钮3, Control::按钮4,
                                Control::按钮5};

// Counts the clicks of every button of a window.
class ClickCounter {
 public:
  explicit ClickCounter(const ShownWindow& shown) {
    for (Control button : kButtons)
      spies_.push_back(std::make_unique<QSignalSpy>(
          qobject_cast<QAbstractButton*>(shown.Widget(button)), &QAbstractButton::clicked));
  }
  int Of(Control button) const {
    return spies_[static_cast<std::size_t>(button) - static_cast<std::size_t>(Control::按钮1)]
        ->count();
  }
  int Total() const {
    int total = 0;
    for (const auto& spy : spies_) total += spy->count();
    return total;
  }

 private:
  std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

TEST(Keyboard, TabWalksEveryTabStopInTableOrderAndWrapsToTheAddressBox) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  for (std::size_t press = 1; press <= std::size(kTabOrder); ++press) {
    shown.Key(Qt::Key_Tab);
    const Control expected = kTabOrder[press % std::size(kTabOrder)];
    EXPECT_EQ(QApplication::focusWidget(), shown.Widget(expected))
        << "after Tab " << press << ", expected " << ControlName(expected);
  }
}

TEST(Keyboard, ShiftTabWalksBackwardsAndWrapsFromTheAddressBoxToTheLastButton) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  for (std::size_t press = 1; press <= std::size(kTabOrder); ++press) {
    shown.Key(Qt::Key_Tab, Qt::ShiftModifier);
    const Control expected = kTabOrder[std::size(kTabOrder) - press];
    EXPECT_EQ(QApplication::focusWidget(), shown.Widget(expected))
        << "after Shift+Tab " << press << ", expected " << ControlName(expected);
  }
}

TEST(Keyboard, EscapeWithoutModifiersClosesTheWindowFromAnyControl) {
  const struct {
    Control focus;
    Qt::KeyboardModifiers modifiers;
    bool closes;
  } cases[] = {
      {Control::编辑框1, Qt::NoModifier, true},       {Control::编辑框3, Qt::NoModifier, true},
      {Control::按钮2, Qt::NoModifier, true},         {Control::编辑框1, Qt::ShiftModifier, false},
      {Control::编辑框1, Qt::ControlModifier, false}, {Control::编辑框1, Qt::AltModifier, false},
      {Control::按钮5, Qt::ShiftModifier, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ControlName(c.focus) + " with modifiers " + std::to_string(c.modifiers.toInt()));
    ShownWindow shown(ShownWindow::Commands::Unbound);
    ASSERT_TRUE(shown.active);
    shown.Widget(c.focus)->setFocus(Qt::OtherFocusReason);
    shown.Key(Qt::Key_Escape, c.modifiers);
    EXPECT_EQ(shown.window.isVisible(), !c.closes);
  }
}

TEST(Keyboard, EnterAndF1StartNothingAndKeepTheFocusOnEveryTabStop) {
  for (Control focus : kTabOrder) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1}) {
      SCOPED_TRACE(ControlName(focus) + " key " + std::to_string(key));
      ShownWindow shown(ShownWindow::Commands::Unbound);
      ASSERT_TRUE(shown.active);
      ClickCounter clicks(shown);
      shown.Widget(focus)->setFocus(Qt::OtherFocusReason);
      shown.Key(key);
      EXPECT_EQ(clicks.Total(), 0);
      EXPECT_EQ(QApplication::focusWidget(), shown.Widget(focus));
      EXPECT_TRUE(shown.window.isVisible());
    }
  }
}

TEST(Keyboard, SpaceClicksTheFocusedButtonOnly) {
  for (Control button : kButtons) {
    SCOPED_TRACE(ControlName(button));
    ShownWindow shown(ShownWindow::Commands::Unbound);
    ASSERT_TRUE(shown.active);
    ClickCounter clicks(shown);
    shown.Widget(button)->setFocus(Qt::OtherFocusReason);
    shown.Key(Qt::Key_Space);
    EXPECT_EQ(clicks.Of(button), 1);
    EXPECT_EQ(clicks.Total(), 1);
  }
}

TEST(Keyboard, SpaceInAnEditBoxTypesABlankAndClicksNothing) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  ClickCounter clicks(shown);
  shown.Widget(Control::编辑框2)->setFocus(Qt::OtherFocusReason);
  shown.Key(Qt::Key_Space);
  EXPECT_EQ(shown.Box(Control::编辑框2)->text(), QStringLiteral(" "));
  EXPECT_EQ(clicks.Total(), 0);
}

}  // namespace
