#pragma once

#include <QString>

class QWidget;

// The program's message boxes: the text with an information or error icon and one OK button,
// modal over parent.
void ShowInformationMessage(QWidget* parent, const QString& text);
void ShowErrorMessage(QWidget* parent, const QString& text);
