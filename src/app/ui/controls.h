#pragma once
// Small factories for the controls every window uses, so that captions, result labels, numeric
// fields and unit lists look and behave the same everywhere.

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kovolo::controls {

// A caption label; textId >= 0 binds it to the text table.
QLabel* caption(QWidget* parent, const char* name, const QString& text, int textId = -1);
// A result label: framed, bold, selectable with the mouse so it can be copied.
QLabel* result(QWidget* parent, const char* name, const QString& text = {});
void styleAsResult(QLabel* label);
// Labels that show a computed value carry this property (set by result() and styleAsResult());
// such a label holds a number, an invalid-result mark or nothing.
inline constexpr const char* resultProperty = "kovoloResult";
void markAsResult(QLabel* label);
// A value label without a frame: bold, selectable with the mouse so it can be copied.
QLabel* value(QWidget* parent, const char* name);
// A text field that takes numbers only (digits, "," "." and Backspace).
QLineEdit* numericField(QWidget* parent, const char* name);
// A drop-down list whose selection changes only with the mouse or Up and Down.
QComboBox* list(QWidget* parent, const char* name, const QStringList& items, int initial);
// The "=>" button that starts a calculation.
QPushButton* goButton(QWidget* parent, const char* name);
// A push button that is never the default button; textId >= 0 binds it to the text table.
QPushButton* button(QWidget* parent, const char* name, const char* caption, int textId = -1);

} // namespace kovolo::controls
