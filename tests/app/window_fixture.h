// A main window built over a temporary program folder, shown and driven as a user would.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <QMessageBox>

#include <deque>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/twer.h"
#include "widgets/draw_grid.h"

class WindowTest : public ::testing::Test {
protected:
    // Every window starts with nothing remembered in the settings store, and leaves nothing.
    void SetUp() override;
    void TearDown() override;

    // Builds and shows the window; data files written before this call are loaded.
    void Start();
    QString DataPath(const QString& name) const { return folder_.filePath(name); }

    template <typename T>
    T* Find(const char* name) const {
        T* widget = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QString EditText(const char* name) const { return Find<QLineEdit>(name)->text(); }
    // A memo as the user reaches it: a data table's memo is revealed (filled) first.
    QPlainTextEdit* Memo(const char* name) const;
    DrawGrid* Grid() const { return Find<DrawGrid>("DrawGrid1"); }

    // Chooses an entry of a selector as a user does: focus it and press the arrow keys.
    void Choose(const char* selector, int index);
    // Runs the action and returns the text of the message box it shows (closing the box), or
    // an empty text when none shows within the action.
    QString MessageShownBy(const std::function<void()>& action);
    // Runs the action; when a dialog shows modally, hands it to answer, which closes it.
    static void WithDialog(const std::function<void()>& action,
                           const std::function<void(QDialog*)>& answer);
    // Runs the action, answering each question it asks in turn (a question more than expected
    // is cancelled, which the test then sees); returns the questions put.
    QStringList Answering(std::deque<QMessageBox::StandardButton> answers,
                          const std::function<void()>& action);

    QTemporaryDir folder_;
    QTemporaryDir pictures_;
    TwerEnvironment env_;
    std::unique_ptr<TWER> window_;
};
