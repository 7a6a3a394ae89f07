#pragma once
// The "Dados" sub-page of the project page: the client's particulars and the data of the
// commission — its classification in building use and type, service group and service, the
// project category that follows from the building type, the area, the desired profit, the fees
// and expenses passed on to the client, and the repetitions with their repetition factor.
//
// The four classification selectors form a cascade: a building use offers its building types, a
// service group its services. The handlers run only on the user's choice; a budget shown from a
// record sets the selectors without running them.
#include "core/budget/BudgetRecord.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace belvane {

class ProjectClassification;

class NumberEdit;

class ProjectDataTab : public QWidget {
    Q_OBJECT
public:
    ProjectDataTab(ProjectClassification& classification, QWidget* parent);

    // Fills the building-use and service-group selectors from the reference tables.
    void prepareSelectors();
    // The fields of this sub-page into the record / from the record.
    void collectInto(TBudgetData& budget) const;
    void showBudget(const TBudgetData& budget);
    // Ends a number edit in progress so its typed value counts.
    void commitOpenEdits();

    void setProfitPercent(double percent);

public slots:
    // A building use chosen (P_cat): its building types are offered.
    void offerTypesOfUse();
    // A building type chosen (P_SubCat): the project category follows it.
    void followBuildingType();
    // A service group chosen (P_tipo): its services are offered.
    void offerServicesOfGroup();
    // The repetitions stepped (P_rep): the repetition factor that goes with them.
    void showRepetitionFactor();

signals:
    // A building type of another project category was chosen: the task man-hours follow it.
    void projectCategoryChanged(int category);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildClientPanel();
    QWidget* buildProjectPanel();
    void makeProjectControls(QWidget* panel);
    QComboBox* makeSelector(const char* name);
    QLineEdit* makeTextEdit(const char* name, int capacity);
    // Replaces a selector's items without running its change handler; nothing stays selected.
    static void refill(QComboBox* selector, const QStringList& items);

    QLineEdit* m_name;          // P_Prop
    QLineEdit* m_phone;         // P_tel
    QLineEdit* m_email;         // P_email
    QLineEdit* m_address;       // P_Ender
    QComboBox* m_use;           // P_cat
    QComboBox* m_type;          // P_SubCat
    ProjectClassification& m_classification;
    QLineEdit* m_category;      // P_classif
    QComboBox* m_group;         // P_tipo
    QComboBox* m_service;       // P_SubTipo
    QLineEdit* m_code;          // P_Codigo
    NumberEdit* m_area;         // P_area
    NumberEdit* m_profit;       // P_lucropc
    NumberEdit* m_rrt;          // P_DespART
    NumberEdit* m_thirdParty;   // P_terceiros
    NumberEdit* m_travel;       // P_DespDesloc
    QSpinBox* m_repetitions;    // P_rep
    NumberEdit* m_factor;       // P_fatorR
};

} // namespace belvane
