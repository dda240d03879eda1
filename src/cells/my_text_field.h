#pragma once

#include <QLineEdit>

// The text field of one lettered cell of the board.
class myTextField : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
};
