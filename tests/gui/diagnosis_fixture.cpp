#include "diagnosis_fixture.h"

#include "platform/resources.h"
#include "res/resource.h"

#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include <cstring>

namespace ordisan::test {

KnowledgeBaseBuilder::KnowledgeBaseBuilder() : kb_(std::make_unique<KnowledgeBase>()) {}

int KnowledgeBaseBuilder::syndrome(const char* name)
{
    const int i = kb_->syndromeCount++;
    std::strncpy(kb_->syndromes[i].name, name, NAME_SIZE - 1);
    return i;
}

int KnowledgeBaseBuilder::symptom(const char* text, SexCode sex, LocationCode location)
{
    const int j = kb_->symptomCount++;
    std::strncpy(kb_->symptoms[j].text, text, NAME_SIZE - 1);
    kb_->symptoms[j].sex = sex;
    kb_->symptoms[j].location = location;
    return j;
}

void KnowledgeBaseBuilder::link(int syndrome, int symptom)
{
    kb_->links[kb_->linkCount++] = SymptomLink{symptom, syndrome};
}

KnowledgeBaseBuilder& KnowledgeBaseBuilder::patient(SexCode sex)
{
    kb_->patientSex = sex;
    return *this;
}

std::unique_ptr<KnowledgeBase> clinic(SexCode sex)
{
    KnowledgeBaseBuilder b;
    const int gripa = b.syndrome("Gripa");
    const int vrucica = b.symptom("vru\xe6ica");
    const int kasalj = b.symptom("ka\x9a" "alj");
    const int glavobolja = b.symptom("glavobolja", SEX_BOTH, LOC_HEAD);
    b.link(gripa, vrucica);
    b.link(gripa, kasalj);
    b.link(gripa, glavobolja);
    const int migrena = b.syndrome("Migrena");
    const int mucnina = b.symptom("mu\xe8nina", SEX_BOTH, LOC_TRUNK);
    b.link(migrena, glavobolja);
    b.link(migrena, mucnina);
    b.link(migrena, mucnina);
    const int trudnoca = b.syndrome("Trudno\xe6" "a");
    const int izostanak = b.symptom("izostanak menstruacije", SEX_FEMALE, LOC_TRUNK);
    b.link(trudnoca, izostanak);
    b.link(trudnoca, mucnina);
    const int prostatitis = b.syndrome("Prostatitis");
    b.link(prostatitis, b.symptom("ote\x9e" "ano mokrenje", SEX_MALE, LOC_TRUNK));
    const int zenski = b.syndrome("\x8e" "enski sindrom");
    b.link(zenski, b.symptom("bol u zdjelici", SEX_FEMALE, LOC_TRUNK));
    b.symptom("\xf0ur\xf0ica na ko\x9ei"); // linked to nothing
    b.patient(sex);
    return b.take();
}

std::unique_ptr<KnowledgeBase> longClinic(int fillers)
{
    KnowledgeBaseBuilder b;
    for (int n = 1; n <= fillers; ++n) {
        const QByteArray name = "Sindrom " + QByteArray::number(n);
        const QByteArray text = "simptom " + QByteArray::number(n);
        b.link(b.syndrome(name.constData()), b.symptom(text.constData()));
    }
    const int last = b.syndrome("Zadnji");
    const int shared = b.symptom("zajedni\xe8ki");
    b.link(last, shared);
    b.link(0, shared);
    b.patient(SEX_MALE);
    return b.take();
}

bool OpenDiagnosisDlg::open(KnowledgeBase* kb)
{
    PrepareRun(kb);
    Create();
    show();
    return QTest::qWaitForWindowExposed(this);
}

QTreeWidget* OpenDiagnosisDlg::left() const
{
    return syndromeTree;
}

QTreeWidget* OpenDiagnosisDlg::right() const
{
    return symptomTree;
}

bool OpenPatientDlg::open(KnowledgeBase* kb)
{
    knowledgeBase = kb;
    Create();
    show();
    return QTest::qWaitForWindowExposed(this);
}

int shownIcon(const QTreeWidgetItem* item)
{
    const QImage shown = item->icon(0).pixmap(QSize(16, 16)).toImage();
    if (shown.isNull())
        return 0;
    for (int number : {IDI_PRESENT, IDI_ABSENT, IDI_UNKNOWN, IDI_BAND_HALF, IDI_BAND_ABOVE_HALF,
                       IDI_BAND_HIGH, IDI_BAND_BELOW_HALF, IDI_BAND_LOW}) {
        const QImage candidate = loadIconPixmap(number, 16).toImage();
        if (candidate.convertToFormat(shown.format()) == shown)
            return number;
    }
    return 0;
}

QStringList topTexts(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts.append(tree->topLevelItem(i)->text(0));
    return texts;
}

QStringList childTexts(const QTreeWidgetItem* parent)
{
    QStringList texts;
    for (int c = 0; c < parent->childCount(); ++c)
        texts.append(parent->child(c)->text(0));
    return texts;
}

QTreeWidgetItem* topItem(const QTreeWidget* tree, const QString& text)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text(0) == text)
            return tree->topLevelItem(i);
    return nullptr;
}

QList<QTreeWidgetItem*> itemsNamed(const QTreeWidget* tree, const QString& text)
{
    QList<QTreeWidgetItem*> found;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree->topLevelItem(i);
        if (top->text(0) == text)
            found.append(top);
        for (int c = 0; c < top->childCount(); ++c)
            if (top->child(c)->text(0) == text)
                found.append(top->child(c));
    }
    return found;
}

void doubleClickAt(QTreeWidget* tree, const QPoint& position)
{
    QWidget* viewport = tree->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, position);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, position);
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    doubleClickAt(tree, tree->visualItemRect(item).center());
}

} // namespace ordisan::test
