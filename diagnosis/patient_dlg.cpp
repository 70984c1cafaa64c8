#include "diagnosis/patient_dlg.h"

#include "platform/data_exchange.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

CPatientDlg::CPatientDlg(QWidget* parent) : CDialog(&PATIENT_TEMPLATE, parent) {}

int CPatientDlg::RunModal(KnowledgeBase* kb)
{
    knowledgeBase = kb;
    return DoModal();
}

void CPatientDlg::DoDataExchange(DataExchange& exchange)
{
    DDX_Text(exchange, IDC_AGE, age);
    DDX_Radio(exchange, IDC_SEX_MALE, sexIndex);
}

bool CPatientDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    sexIndex = 0;
    UpdateData(false);
    return true; // the focus goes to the first tab stop, the age field
}

void CPatientDlg::OnOK()
{
    // A rejected age has been reported once and has the focus again.
    if (!UpdateData(true))
        return;
    // With no sex chosen the previous one stands, if there is one; without one the
    // dialog stays open and, like any OK that does not close it, stores nothing.
    SexCode sex = knowledgeBase->patientSex;
    if (sexIndex == 0)
        sex = SEX_MALE;
    else if (sexIndex == 1)
        sex = SEX_FEMALE;
    if (sex != SEX_MALE && sex != SEX_FEMALE)
        return;
    knowledgeBase->patientAge = age;
    knowledgeBase->patientSex = sex;
    EndDialog(IDOK);
}

} // namespace ordisan
