#include "diagnosis/patient_dlg.h"

#include "platform/data_exchange.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace ordisan {

CPatientDlg::CPatientDlg(QWidget* parent) : CDialog(&PATIENT_TEMPLATE, parent) {}

int CPatientDlg::RunModal(const KnowledgeBase* kb)
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
    if (QWidget* ageField = GetDlgItem(IDC_AGE))
        ageField->installEventFilter(this);
    return true; // the focus goes to the first tab stop, the age field
}

void CPatientDlg::OnOK()
{
    // A rejected age has been reported once and has the focus again.
    if (!UpdateData(true))
        return;
    // With no sex chosen the previous one stands, if there is one; without one the
    // dialog stays open.
    SexCode sex = knowledgeBase->patientSex;
    if (sexIndex == 0)
        sex = SEX_MALE;
    else if (sexIndex == 1)
        sex = SEX_FEMALE;
    if (sex != SEX_MALE && sex != SEX_FEMALE)
        return;
    patient_ = {age, sex};
    EndDialog(IDOK);
}

bool CPatientDlg::chooseSex(const QKeyEvent& event)
{
    if (event.modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier))
        return false;
    const QString letter = event.text().toLower();
    int id = 0;
    if (letter == u"m" || (letter.isEmpty() && event.key() == Qt::Key_M))
        id = IDC_SEX_MALE;
    else if (letter == u"z" || letter == u"ž" || (letter.isEmpty() && event.key() == Qt::Key_Z))
        id = IDC_SEX_FEMALE;
    auto* radio = id ? GetDlgItem<QRadioButton>(id) : nullptr;
    if (!radio)
        return false;
    radio->setChecked(true);
    return true;
}

void CPatientDlg::keyPressEvent(QKeyEvent* event)
{
    if (!chooseSex(*event))
        CDialog::keyPressEvent(event);
}

bool CPatientDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && chooseSex(*static_cast<QKeyEvent*>(event)))
        return true;
    return CDialog::eventFilter(watched, event);
}

} // namespace ordisan
