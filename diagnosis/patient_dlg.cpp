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
    knowledgeBase->patientAge = age;
    if (sexIndex == 0)
        knowledgeBase->patientSex = SEX_MALE;
    else if (sexIndex == 1)
        knowledgeBase->patientSex = SEX_FEMALE;
    // With no sex chosen the previous one stands, if there is one.
    if (knowledgeBase->patientSex == SEX_MALE || knowledgeBase->patientSex == SEX_FEMALE)
        EndDialog(IDOK);
}

} // namespace ordisan
