#pragma once
// The office page on its own, on a fresh temporary data folder, prepared as start-up prepares it
// on a first start (record defaults shown, then the page's default rows), shown in a plain window.
#include "support/ScriptedUiTest.h"

#include "core/office/OfficeFile.h"
#include "ui/app/AppState.h"
#include "ui/office/OfficePage.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"

#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <initializer_list>
#include <memory>
#include <utility>

namespace belvane::test {

class OfficeFixture : public ScriptedUiTest {
protected:
    void SetUp() override;
    void TearDown() override;
    QWidget* widgets() override { return m_host.get(); }

    AppState& state() { return m_state; }
    OfficePage* page() { return m_page; }
    bool modified() const { return m_state.officeDraft().modified(); }
    QString shown(const char* numberField) { return find<NumberEdit>(numberField)->text(); }
    QString officePath() const { return m_state.folders().officeDir + QStringLiteral("Office.bvo"); }
    QByteArray officeBytes() const;
    TOfficeData storedOffice() const;
    // The texts of one column, top to bottom.
    QStringList column(const char* gridName, int col);
    // Replaces a grid's rows by the given (text, value) rows, as the user would by adding rows
    // and typing into them.
    void enterRows(const char* gridName, const char* addButton,
                   std::initializer_list<std::pair<const char*, const char*>> rows);

    AppState m_state;
    std::unique_ptr<QWidget> m_host;
    OfficePage* m_page = nullptr;
};

} // namespace belvane::test
