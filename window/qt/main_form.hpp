// SPDX-License-Identifier: MIT
// The program's one window: it shows the worksheet and hands each button click to its commands.
#pragma once

#include "window/qt/desktop_contrast.hpp"
#include "window/qt/window_accessible.hpp"
#include "window/worksheet_binding.hpp"

#include <QWidget>

#include <cstdint>
#include <vector>

namespace cipher {

class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget* parent = nullptr);

    const Worksheet& worksheet() const { return binding_.worksheet(); }

protected:
    bool event(QEvent* event) override;

private:
    // A click on Command1(index), handed to the worksheet's dispatch; then the window shows the
    // worksheet again.
    void command1Clicked(std::int16_t index);
    QWidget* createControl(const layout::Control& control);
    void chainTabOrder();
    // Rewrites the controls whose content the worksheet changed.
    void showChanges();
    // Paints the window, its labels and its buttons by the colour rule, for the desktop's
    // contrast as it stands.
    void showColours();

    WorksheetBinding binding_;
    // The widget of each row of the layout table; null for the working lists, never shown.
    std::vector<QWidget*> controls_;
    // Last of the window's children, so that it comes last in reading order.
    MessageAnnouncer* announcer_ = nullptr;
    // Whether the desktop asks for high contrast, and what it says.
    DesktopContrast* contrast_ = nullptr;
    bool highContrast_ = false;
};

} // namespace cipher
