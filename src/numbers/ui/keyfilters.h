#pragma once
// Key rules shared by every window, as event filters.
//  - numeric fields: only digits, "," "." and Backspace can be typed;
//  - drop-down lists: only Up and Down change the selection, nothing can be typed.

#include <QObject>

class QWidget;

namespace kovolo::numbers {

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class ListOnlyKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs the shared filter instance on a text field / a combo box (and its popup view).
void applyNumericKeyFilter(QWidget* field);
void applyListOnlyKeyFilter(QWidget* comboBox);

} // namespace kovolo::numbers
