// The "Bezugspersonen" page: proband and Kekule-1 person with id and names.
#pragma once

#include <QWidget>

class QLabel;

namespace qv {

class TAhnenData;

class ReferencePanel : public QWidget {
    Q_OBJECT

public:
    explicit ReferencePanel(QWidget* parent = nullptr);

    // Shows the persons (-1 clears the labels).
    void ShowProband(const TAhnenData* data, int64_t person);
    void ShowKekuleOne(const TAhnenData* data, int64_t person);
    QString ProbandText() const;
    QString KekuleOneText() const;

private:
    struct Labels {
        QLabel* id;
        QLabel* surname;
        QLabel* given;
    };
    static void Show(const Labels& labels, const TAhnenData* data, int64_t person);

    Labels m_proband{};
    Labels m_kekuleOne{};
};

}  // namespace qv
