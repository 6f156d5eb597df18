#pragma once

// The whole program's windows on scripted desktop services, with the sample files of the
// example job at hand, and the user's steps through the main window's buttons.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/mainform.h"
#include "app/programwindows.h"
#include "input/da30form.h"
#include "input/da57form.h"
#include "input/da58form.h"
#include "lists/messform.h"
#include "modal.h"
#include "scriptedports.h"
#include "support/testfiles.h"

namespace kubato::test {

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture() : windows(ports.ports())
    {
        coords45 = dir.write("Bsp.D45", readAll(examplePath("bsp.d45")));
        triangles = dir.write("Bsp.D58", readAll(examplePath("bsp.d58")));
        // A window that a fault leaves open where no test step expects one would block the
        // test for good; after a while it is closed and the test fails instead.
        QObject::connect(&mWatchdog, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal != mModal) {
                mModal = modal;
                mModalSince.restart();
            } else if (auto *dialog = qobject_cast<QDialog *>(modal);
                       dialog != nullptr && mModalSince.elapsed() > 8000) {
                ADD_FAILURE() << "window left open: " << dialog->objectName().toStdString();
                dialog->reject();
            }
        });
        mModalSince.start();
        mWatchdog.start(100);
    }
    ~ProgramFixture() override
    {
        // A window left open by a failed test must not block the next one.
        for (QWidget *w : QApplication::topLevelWidgets()) {
            w->hide();
        }
    }

    // The named control of a window; a missing one ends the test with its name.
    template <class T> static T *control(QWidget &window, const char *name)
    {
        T *found = window.findChild<T *>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("control missing: ") + name);
        }
        return found;
    }
    static void click(QWidget &window, const char *button)
    {
        control<QAbstractButton>(window, button)->click();
    }

    TMainForm &main() { return windows.mainForm(); }
    Workbench &bench() { return windows.workbench(); }

    // Presses a button of the main window that opens window T modally, acts in it, and closes
    // it should the act have left it open.
    template <class T> void inWindow(const char *mainButton, const std::function<void(T *)> &act)
    {
        bool timedOut = false;
        onNextModal<T>(
            [&act](T *window) {
                act(window);
                if (window->isVisible()) {
                    window->reject();
                }
            },
            &timedOut);
        click(main(), mainButton);
        EXPECT_FALSE(timedOut) << "no window came from " << mainButton;
    }

    // The lines the message window shows when the next check fails; it is closed at once.
    void expectMessages(std::vector<std::string> *lines)
    {
        onNextModal<TMessForm>([this, lines](TMessForm *mess) {
            *lines = messageLines(*mess);
            mess->accept();
        });
    }
    static std::vector<std::string> messageLines(TMessForm &mess);

    void acceptCoordinates(const std::string &path, bool da45 = true)
    {
        inWindow<TDA30Form>("BtnDa58", [&](TDA30Form *form) {
            ports.openDialog30.answers.push_back(path);
            click(*form, da45 ? "RBtnDA45" : "RBtnDa30");
            click(*form, "BtnOpen30");
            click(*form, "BtnOK30");
        });
    }
    // Checks the DA45 sample as DA30, which fails on every line.
    std::vector<std::string> failCoordinates()
    {
        std::vector<std::string> lines;
        inWindow<TDA30Form>("BtnDa58", [&](TDA30Form *form) {
            ports.openDialog30.answers.push_back(coords45);
            click(*form, "RBtnDa30");
            click(*form, "BtnOpen30");
            expectMessages(&lines);
            click(*form, "BtnOK30");
        });
        return lines;
    }
    void acceptTriangles()
    {
        inWindow<TDA58Form>("XBtnDa58", [&](TDA58Form *form) {
            ports.openDialog58.answers.push_back(triangles);
            click(*form, "BtnOpen58");
            click(*form, "BtnOK58");
        });
    }
    void acceptControlValues()
    {
        inWindow<TDA57Form>("BtnDa57", [&](TDA57Form *form) { click(*form, "OKBtn"); });
    }

    TempDir dir;
    std::string coords45, triangles;
    ScriptedPorts ports;
    ProgramWindows windows;

private:
    QTimer mWatchdog;
    QPointer<QWidget> mModal;
    QElapsedTimer mModalSince;
};

} // namespace kubato::test
