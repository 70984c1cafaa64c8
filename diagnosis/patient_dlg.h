#pragma once

#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"

#include <cstdint>

namespace ordisan {

// The patient data dialog (template 139), the first step of every diagnosis: the
// patient's age and sex. "Dalje >>" (or Enter) stores both in the knowledge base and
// ends it with IDOK, after which the diagnosis runs; "Otkaži", Esc and the close box
// end it with IDCANCEL and store nothing. It opens with "0" and "Muški spol" every
// time: it never shows the previous patient. M and Ž (or Z) choose the sex wherever the
// focus is, the age field included, where letters have no place.
class CPatientDlg final : public CDialog {
    Q_OBJECT
public:
    explicit CPatientDlg(QWidget* parent = nullptr);

    // Runs the dialog on `kb`: IDOK after a confirmation that stored patientAge and
    // patientSex, IDCANCEL after a cancellation, -1 when it cannot be created.
    int RunModal(KnowledgeBase* kb);

protected:
    // The age first: when its text is rejected, the radio group is not read.
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // True when `event` chose a sex.
    bool chooseSex(const QKeyEvent& event);

    std::uint32_t age = 0;
    int sexIndex = -1; // 0 "Muški spol", 1 "Ženski spol", -1 none
    KnowledgeBase* knowledgeBase = nullptr;
};

} // namespace ordisan
