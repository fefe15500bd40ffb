// SPDX-License-Identifier: MIT
// The program's one window: it shows the worksheet and hands each button click to its commands.
#pragma once

#include "worksheet/worksheet.hpp"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace cipher {

class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent = nullptr);

    const Worksheet& worksheet() const { return sheet_; }

private:
    // A click on Command1(index), handed to the worksheet's dispatch; then the window shows the
    // worksheet again.
    void command1Clicked(std::int16_t index);
    void buildControls();
    void connectFields();
    void chainTabOrder();
    // Brings every shown control up to date with the worksheet.
    void showWorksheet();

    Worksheet sheet_;
    std::array<QLineEdit*, 3> text2_{};
    QPlainTextEdit* text1_ = nullptr;
    std::array<QLabel*, 6> label1_{};
    std::array<QListWidget*, 2> list1_{};
    std::array<QPushButton*, 2> command1_{};
};

} // namespace cipher
