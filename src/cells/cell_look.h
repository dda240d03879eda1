#pragma once

#include <QColor>

class QLineEdit;

// The colours of the board's cells, all sRGB.
inline const QColor kCellBackground = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 1.0f);
inline const QColor kInputTextColour = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 1.0f);
inline const QColor kFixedTextColour = QColor::fromRgbF(0.0f, 0.0f, 1.0f, 1.0f);
inline const QColor kValidWordColour = QColor::fromRgbF(0.0f, 0.8f, 0.2f, 1.0f);
inline const QColor kInvalidWordColour = QColor::fromRgbF(1.0f, 0.0f, 0.0f, 1.0f);

// The verdict of the last check on an input cell's word; a new letter makes it stale.
enum class WordCheck { NotChecked, Word, NotWord };

void setTextColor(QLineEdit* field, const QColor& colour);
// What a screen reader hears of the cell besides its name, for those who cannot see the
// colour of its letter.
void setWordCheck(QLineEdit* field, WordCheck check);
void setBackgroundColor(QLineEdit* field, const QColor& colour);
QColor textColor(const QLineEdit* field);
QColor backgroundColor(const QLineEdit* field);
