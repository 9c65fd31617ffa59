#include "gui/FindBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace tallowmere::gui {

FindBar::FindBar(std::function<bool(const QString&)> find, QWidget* parent)
    : QWidget(parent), find_(std::move(find)), field_(new QLineEdit), status_(new QLabel) {
    setObjectName("FindBar");
    field_->setObjectName("FindField");
    status_->setObjectName("FindStatus");
    auto* next = new QPushButton("&Next");
    auto* closing = new QPushButton("Close");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(new QLabel("Find:"));
    layout->addWidget(field_, 1);
    layout->addWidget(next);
    layout->addWidget(status_, 1);
    layout->addWidget(closing);
    connect(field_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(field_, &QLineEdit::textEdited, status_, &QLabel::clear);
    connect(next, &QPushButton::clicked, this, [this] { findNext(); });
    connect(closing, &QPushButton::clicked, this, &QWidget::hide);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
    closing->setFocusPolicy(Qt::NoFocus);
    QWidget::hide();
}

void FindBar::open() {
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void FindBar::findNext() {
    if (field_->text().isEmpty()) {
        open();
        return;
    }
    status_->setText(find_(field_->text()) ? QString() : QString("Not found"));
}

} // namespace tallowmere::gui
