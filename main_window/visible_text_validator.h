// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QValidator>

namespace main_window {

// Keeps an input field free of characters that cannot be seen, whether they
// are typed, pasted or set by the program (model::visibleFieldText). It
// accepts every text otherwise: whether the text is a number is the field
// check's business when the user leaves the field.
class VisibleTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

} // namespace main_window
