#pragma once

#include "engine/diagnosis_case.h"
#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"

#include <cstdint>

namespace ordisan {

// The patient data dialog (template 139), the first step of every diagnosis: the
// patient's age and sex. "Dalje >>" (or Enter) ends it with IDOK and patient() holds
// both, for the diagnosis that runs next and owns the case; "Otkaži", Esc and the close
// box end it with IDCANCEL. It never writes the knowledge base's record. It opens with "0" and "Muški spol" every
// time: it never shows the previous patient. M and Ž (or Z) choose the sex wherever the
// focus is, the age field included, where letters have no place.
class CPatientDlg final : public CDialog {
    Q_OBJECT
public:
    explicit CPatientDlg(QWidget* parent = nullptr);

    // Runs the dialog for the patient after the one in `kb`: IDOK after a confirmation,
    // IDCANCEL after a cancellation, -1 when it cannot be created.
    int RunModal(const KnowledgeBase* kb);
    // What was confirmed; meaningful after IDOK.
    const Patient& patient() const { return patient_; }

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
    const KnowledgeBase* knowledgeBase = nullptr;
    Patient patient_;
};

} // namespace ordisan
