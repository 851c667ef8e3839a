// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/series_chooser.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace probel {

// The series chooser dialog: the list DataList, the comment box Comment and the buttons OK
// (Enter) and キャンセル (Esc). chosen() is the series number of the entry selected when OK
// closed it.
class DataSelect : public QDialog {
    Q_OBJECT

public:
    DataSelect(const std::string& title, const std::vector<std::string>& comments, QWidget* parent = nullptr);

    std::optional<std::int32_t> chosen() const { return chosen_; }
    QListWidget* dataList() const { return dataList_; }
    QPlainTextEdit* comment() const { return comment_; }
    QPushButton* okButton() const { return okButton_; }

    static std::optional<std::int32_t> ask(const std::string& title, const std::vector<std::string>& comments,
                                           QWidget* parent);

private:
    void accept() override;

    std::vector<std::string> comments_;
    std::optional<std::int32_t> chosen_;
    QListWidget* dataList_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// The chooser on the screen, over `parent`.
class QtSeriesChooser : public SeriesChooser {
public:
    explicit QtSeriesChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    std::optional<std::int32_t> chooseSeries(const std::string& title,
                                             const std::vector<std::string>& comments) override;

private:
    QWidget* parent_;
};

}  // namespace probel
