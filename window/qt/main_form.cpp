// SPDX-License-Identifier: MIT
#include "window/qt/main_form.hpp"

#include "window/layout.hpp"
#include "window/qt/field_validator.hpp"
#include "window/qt/qt_text.hpp"
#include "window/qt/solid_button.hpp"
#include "window/qt/window_accessible.hpp"
#include "window/qt/window_font.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace cipher {
namespace {

// Qt places widgets in device-independent pixels and scales them on high-dpi screens itself.
constexpr int kLogicalDotsPerInch = 96;

int Pixels(int twips) {
    return layout::ToPixels(twips, kLogicalDotsPerInch);
}

QRect Geometry(const layout::Twips& bounds) {
    return {Pixels(bounds.left), Pixels(bounds.top), Pixels(bounds.width), Pixels(bounds.height)};
}

QColor ToQColor(layout::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

void FillBackground(QWidget* widget, layout::Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent), binding_(LineBreaks::Lf, &NormalizedC),
      controls_(layout::Controls().size(), nullptr) {
    PresentMainFormAsWindow();
    const layout::Window& window = layout::MainWindow();
    setWindowTitle(ToQString(window.title));
    setFixedSize(Pixels(window.client.width), Pixels(window.client.height));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    FillBackground(this, window.background);

    const auto rows = layout::Controls();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].shown) {
            controls_[row] = createControl(rows[row]);
        }
    }
    showWorksheet();
    chainTabOrder();
    controls_[layout::RowNamed(layout::TabOrder().front())]->setFocus();
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
        FillBackground(label, control.background.value());
        widget = label;
        break;
    }
    case layout::Kind::TextField: {
        auto* field = new QLineEdit(this);
        field->setReadOnly(control.readOnly);
        if (IsInputField(control)) {
            field->setValidator(new FieldValidator(binding_, index, field));
            // The worksheet follows the field on every change, so that it always equals what
            // the window shows.
            connect(field, &QLineEdit::textChanged, this,
                    [this, index](const QString& text) { binding_.Take(index, UnitsOf(text)); });
        }
        widget = field;
        break;
    }
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
        auto* button = new SolidButton(ToQColor(control.background.value()), this);
        connect(
            button, &QPushButton::clicked, this,
            [this, index = static_cast<std::int16_t>(control.index)] { command1Clicked(index); });
        widget = button;
        break;
    }
    }
    widget->setObjectName(QString::fromStdString(layout::NameOf(control)));
    widget->setGeometry(Geometry(control.bounds));
    if (!control.accessibleName.empty()) {
        widget->setAccessibleName(ToQString(control.accessibleName));
    }
    return widget;
}

void MainForm::chainTabOrder() {
    QWidget* previous = nullptr;
    for (std::string_view name : layout::TabOrder()) {
        QWidget* widget = controls_[layout::RowNamed(name)];
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainForm::command1Clicked(std::int16_t index) {
    binding_.Click(index);
    showWorksheet();
}

void MainForm::showWorksheet() {
    for (const WorksheetBinding::Change& change : binding_.Changes()) {
        QWidget* widget = controls_[change.row];
        const QString text = ToQString(change.shown.text);
        switch (change.control.kind) {
        case layout::Kind::Label:
            // QLabel itself tells a listening screen reader that the header has a new name.
            static_cast<QLabel*>(widget)->setText(text);
            break;
        case layout::Kind::TextField:
            static_cast<QLineEdit*>(widget)->setText(text);
            break;
        case layout::Kind::TextPane:
            static_cast<QPlainTextEdit*>(widget)->setPlainText(text);
            break;
        case layout::Kind::List: {
            auto* list = static_cast<QListWidget*>(widget);
            list->clear();
            for (const std::u16string& item : change.shown.items) {
                list->addItem(ToQString(item));
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
