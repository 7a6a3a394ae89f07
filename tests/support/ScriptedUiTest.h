#pragma once
// A test of the program's widgets on a fresh temporary data folder, with the clock pinned and every
// message box scripted. At the end it checks that no queued answer was left unused and that no
// question came without an answer; a fixture built on it closes its widgets first.
#include "core/text/Clock.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/Prompts.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace belvane::test {

class ScriptedUiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The data folder's path ending in '/', the folder the program is started in.
    QString appDir() const { return m_dir.path() + QLatin1Char('/'); }

    // The control of that name among the widgets the test drives; a missing one fails the test.
    template <class T>
    T* find(const char* name)
    {
        T* found = widgets()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }
    EditableGrid* grid(const char* name) { return find<EditableGrid>(name); }
    void click(const char* button);

    // The widget that holds every control the test drives.
    virtual QWidget* widgets() = 0;

    QTemporaryDir m_dir;
};

} // namespace belvane::test
