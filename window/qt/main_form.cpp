// SPDX-License-Identifier: MIT
#include "window/qt/main_form.hpp"

#include "window/layout.hpp"
#include "window/qt/field_validator.hpp"
#include "window/qt/qt_text.hpp"
#include "window/qt/solid_button.hpp"
#include "window/qt/window_accessible.hpp"
#include "window/qt/window_font.hpp"
#include "worksheet/commands.hpp"

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

// The pane keeps the worksheet's CR LF line breaks; a Qt text document wants one LF.
QString PaneText(const Text& text) {
    QString pane = ToQString(text);
    pane.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return pane;
}

void ShowItems(QListWidget* view, const List& list) {
    view->clear();
    for (const Text& item : list.items()) {
        view->addItem(ToQString(item));
    }
}

} // namespace

MainForm::MainForm(QWidget* parent) : QWidget(parent) {
    PresentMainFormAsWindow();
    const layout::Window& window = layout::MainWindow();
    setWindowTitle(ToQString(window.title));
    setFixedSize(Pixels(window.client.width), Pixels(window.client.height));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    FillBackground(this, window.background);

    buildControls();
    showWorksheet();
    connectFields();
    chainTabOrder();
    text1_->setFocus();
}

void MainForm::buildControls() {
    for (const layout::Control& control : layout::Controls()) {
        if (!control.shown) {
            continue; // the worksheet's working lists
        }
        const auto index = static_cast<std::size_t>(control.index);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case layout::Kind::Label: {
            auto* label = new QLabel(ToQString(control.caption), this);
            label->setAlignment(
                Qt::AlignTop |
                (control.align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
            label1_.at(index) = label;
            widget = label;
            break;
        }
        case layout::Kind::TextField: {
            auto* field = new QLineEdit(this);
            field->setReadOnly(control.readOnly);
            if (control.maxLength > 0) {
                auto* validator = new FieldValidator(control.maxLength, field);
                field->setValidator(validator);
                connect(field, &QLineEdit::textChanged, validator, &FieldValidator::remember);
            }
            text2_.at(index) = field;
            widget = field;
            break;
        }
        case layout::Kind::TextPane:
            text1_ = new QPlainTextEdit(this);
            text1_->setReadOnly(true);
            text1_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
            text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text1_->setTabChangesFocus(true);
            widget = text1_;
            break;
        case layout::Kind::List:
            list1_.at(index) = new QListWidget(this);
            widget = list1_.at(index);
            break;
        case layout::Kind::Button: {
            auto* button = new SolidButton(ToQString(control.caption),
                                           ToQColor(control.background.value()), this);
            connect(button, &QPushButton::clicked, this,
                    [this, index = static_cast<std::int16_t>(control.index)] {
                        command1Clicked(index);
                    });
            command1_.at(index) = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
        widget->setGeometry(Geometry(control.bounds));
        if (control.kind == layout::Kind::Label && control.background) {
            FillBackground(widget, *control.background);
        }
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(ToQString(control.accessibleName));
        }
    }
}

// The worksheet follows the two input fields as the user edits them.
void MainForm::connectFields() {
    for (std::size_t i : {std::size_t{0}, std::size_t{1}}) {
        connect(text2_.at(i), &QLineEdit::textChanged, this,
                [this, i](const QString& text) { sheet_.Text2[i].setText(ToText(text)); });
    }
}

void MainForm::chainTabOrder() {
    QWidget* previous = nullptr;
    for (std::string_view name : layout::TabOrder()) {
        auto* widget = findChild<QWidget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
            Qt::FindDirectChildrenOnly);
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainForm::command1Clicked(std::int16_t index) {
    Command1Click(sheet_, index);
    showWorksheet();
}

void MainForm::showWorksheet() {
    for (std::size_t i = 0; i < text2_.size(); ++i) {
        const QString text = ToQString(sheet_.Text2[i].text());
        if (text2_.at(i)->text() != text) {
            text2_.at(i)->setText(text);
        }
    }
    const QString pane = PaneText(sheet_.Text1[0].text());
    if (text1_->toPlainText() != pane) {
        text1_->setPlainText(pane);
    }
    for (std::size_t i = 3; i <= 4; ++i) {
        // QLabel itself tells a listening screen reader that the header has a new name.
        label1_.at(i)->setText(ToQString(sheet_.Label1[i].caption()));
    }
    for (std::size_t i = 0; i < list1_.size(); ++i) {
        ShowItems(list1_.at(i), sheet_.List1[i]);
    }
}

} // namespace cipher
