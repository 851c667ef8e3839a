// SPDX-License-Identifier: MIT
#include "dialogs/p_size_form.h"
#include "platform/desktop/title_width.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVariant>

#include <algorithm>

namespace probel {
namespace {

// Captions in the order of the options (and of kKnownPaperCodes); the two leading blanks
// are part of them.
constexpr std::array<const char*, kKnownPaperCodes.size()> kCaptions = {
    "  A3 縦", "  A3 横", "  A4 縦", "  A4 横", "  A5 縦", "  A5 横", "  B4 縦", "  B4 横", "  B5 縦", "  B5 横",
};

constexpr const char* kTagProperty = "tag";

}  // namespace

PSizeForm::PSizeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PSizeForm"));
    setWindowTitle(QStringLiteral("用紙サイズの設定"));

    auto* layout = new QGridLayout(this);
    // The group's ids are the option numbers, which index kKnownPaperCodes.
    auto* group = new QButtonGroup(this);
    for (int index = 0; index < kOptionCount; ++index) {
        const auto slot = static_cast<std::size_t>(index);
        auto* option = new QRadioButton(QString::fromUtf8(kCaptions[slot]), this);
        option->setObjectName(QStringLiteral("SizeOp_%1").arg(index));
        option->setProperty(kTagProperty, kKnownPaperCodes[slot]);
        group->addButton(option, index);
        const bool firstColumn = index < kOptionsInFirstColumn;
        layout->addWidget(option, firstColumn ? index : index - kOptionsInFirstColumn, firstColumn ? 0 : 1);
        sizeOp_[slot] = option;
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            optionClicked(static_cast<std::size_t>(id));
        }
    });

    command1_ = new QPushButton(QStringLiteral("OK"), this);
    command1_->setObjectName(QStringLiteral("Command1_0"));
    command1_->setDefault(true);
    layout->addWidget(command1_, kOptionsInFirstColumn - 1, 1);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);

    sizeOp_[kDefaultOption]->setChecked(true);

    // A dialog of fixed size that shows its whole title: wide enough for the caption beside
    // the title bar's buttons, and neither resizable nor to be minimised or maximised.
    // Without CustomizeWindowHint the window manager is told nothing and draws every button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const int titleRoom = widthForWholeTitle(*this);
    layout->activate();
    setFixedSize(std::max(sizeHint().width(), titleRoom), sizeHint().height());
}

QRadioButton* PSizeForm::sizeOp(int index) const
{
    return index >= 0 && index < kOptionCount ? sizeOp_[static_cast<std::size_t>(index)] : nullptr;
}

void PSizeForm::optionClicked(std::size_t index)
{
    setSize_ = kKnownPaperCodes[index];
}

std::int32_t PSizeForm::ask(QWidget* parent)
{
    PSizeForm form(parent);
    if (form.exec() != QDialog::Accepted) {
        return kDefaultPaperCode;
    }
    return form.setSize();
}

}  // namespace probel
