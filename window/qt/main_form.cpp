// SPDX-License-Identifier: MIT
#include "window/qt/main_form.hpp"

#include "window/colours.hpp"
#include "window/layout.hpp"
#include "window/qt/colours.hpp"
#include "window/qt/controls.hpp"
#include "window/qt/desktop_contrast.hpp"
#include "window/qt/text.hpp"
#include "window/qt/window_font.hpp"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace cipher {
namespace {

// Qt places widgets in device-independent pixels and scales them on high-dpi screens itself.
constexpr int kLogicalDotsPerInch = 96;

int pixels(int twips) {
    return layout::toPixels(twips, kLogicalDotsPerInch);
}

QRect geometryOf(const layout::Twips& bounds) {
    return {pixels(bounds.left), pixels(bounds.top), pixels(bounds.width), pixels(bounds.height)};
}

// A label's or a button's own colour; one without would show the window's.
layout::Rgb describedColour(const layout::Control& control) {
    return control.background.value_or(layout::mainWindow().background);
}

// Paints the window or a label in its colours: a QLabel writes in the palette's window text.
void paint(QWidget* widget, colours::Part part, layout::Rgb described, bool highContrast) {
    const colours::PartColours painted = colours::coloursOf(part, described, highContrast);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(painted.face));
    palette.setColor(QPalette::WindowText, toQColor(painted.text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent), binding_(LineBreaks::Lf, &normalizedC),
      controls_(layout::controls().size(), nullptr) {
    presentMainFormAsWindow();
    const layout::Window& window = layout::mainWindow();
    setWindowTitle(toQString(window.title));
    setFixedSize(pixels(window.client.width), pixels(window.client.height));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());

    const auto rows = layout::controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].shown) {
            controls_[row] = createControl(rows[row]);
        }
    }
    showColours();
    contrast_ = new DesktopContrast(this);
    connect(contrast_, &DesktopContrast::changed, this, [this](bool high) {
        highContrast_ = high;
        showColours();
    });
    announcer_ = new MessageAnnouncer(this);
    showChanges();
    chainTabOrder();
    controls_[layout::rowNamed(layout::tabOrder().front())]->setFocus();
}

QWidget* MainForm::createControl(const layout::Control& control) {
    const auto index = static_cast<std::size_t>(control.index);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case layout::Kind::Label: {
        auto* label = new QLabel(this);
        label->setAlignment(
            Qt::AlignTop |
            (control.align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
        widget = label;
        break;
    }
    case layout::Kind::TextField:
        if (isInputField(control)) {
            widget = new InputField(binding_, index, this);
        } else {
            auto* field = new QLineEdit(this);
            field->setReadOnly(true);
            widget = field;
        }
        break;
    case layout::Kind::TextPane: {
        auto* pane = new QPlainTextEdit(this);
        pane->setReadOnly(true);
        pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        pane->setTabChangesFocus(true);
        widget = pane;
        break;
    }
    case layout::Kind::List:
        widget = new QListWidget(this);
        break;
    case layout::Kind::Button: {
        auto* button = new SolidButton(describedColour(control), this);
        connect(
            button, &QPushButton::clicked, this,
            [this, index = static_cast<std::int16_t>(control.index)] { command1Clicked(index); });
        widget = button;
        break;
    }
    }
    widget->setObjectName(QString::fromStdString(layout::nameOf(control)));
    widget->setGeometry(geometryOf(control.bounds));
    if (!control.accessibleName.empty()) {
        widget->setAccessibleName(toQString(control.accessibleName));
    }
    return widget;
}

void MainForm::showColours() {
    paint(this, colours::Part::Window, layout::mainWindow().background, highContrast_);
    const auto rows = layout::controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].kind == layout::Kind::Label && controls_[row] != nullptr) {
            paint(controls_[row], colours::Part::Label, describedColour(rows[row]), highContrast_);
        } else if (auto* button = qobject_cast<SolidButton*>(controls_[row])) {
            button->showHighContrast(highContrast_);
        }
    }
}

// A palette that the desktop changes (its dark style switched on or off) is taken at once.
bool MainForm::event(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) {
        showColours();
    }
    return QWidget::event(event);
}

void MainForm::chainTabOrder() {
    QWidget* previous = nullptr;
    for (std::string_view name : layout::tabOrder()) {
        QWidget* widget = controls_[layout::rowNamed(name)];
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainForm::command1Clicked(std::int16_t index) {
    const std::u16string message = binding_.click(index);
    showChanges();
    if (!message.empty()) {
        announcer_->announce(toQString(message));
    }
}

void MainForm::showChanges() {
    for (const WorksheetBinding::Change& change : binding_.changesToShow()) {
        QWidget* widget = controls_[change.row];
        const QString text = toQString(change.shown.text);
        switch (change.kind) {
        case layout::Kind::Label:
            // QLabel itself tells a listening screen reader that the header has a new name.
            static_cast<QLabel*>(widget)->setText(text);
            break;
        case layout::Kind::TextField:
            if (auto* input = qobject_cast<InputField*>(widget)) {
                input->showText(text);
            } else {
                static_cast<QLineEdit*>(widget)->setText(text);
            }
            break;
        case layout::Kind::TextPane:
            static_cast<QPlainTextEdit*>(widget)->setPlainText(text);
            break;
        case layout::Kind::List: {
            auto* list = static_cast<QListWidget*>(widget);
            list->clear();
            for (const std::u16string& item : change.shown.items) {
                list->addItem(toQString(item));
            }
            break;
        }
        case layout::Kind::Button:
            static_cast<QPushButton*>(widget)->setText(text);
            break;
        }
    }
}

} // namespace cipher
