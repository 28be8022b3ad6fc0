// QT_QPA_PLATFORM=offscreen build/bench/form1_bench

#include "support/form_fixture.h"

#include <QComboBox>
#include <QTest>

using testing_support::FormFixture;

class Form1Bench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullLoad()
    {
        FormFixture f;
        QVERIFY(f.load()); // the first start writes the settings file
        QBENCHMARK {
            QVERIFY(f.form->ReIn());
        }
    }

    void firstLoadOfANewWindow()
    {
        FormFixture f;
        QVERIFY(f.load());
        f.close();
        QBENCHMARK {
            main_window::Form1 form;
            QVERIFY(form.Form_Load());
        }
    }

    void decodePress()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->cmbPolosok->setCurrentIndex(2);
        w->cmbPolosok_Click();
        const colour_code::BandCodeArray codes = {3, 2, 7, 3, 3};
        for (int i = 0; i < 5; ++i)
            w->SetBand(i, codes[i]);
        QBENCHMARK {
            w->Command1_Click();
        }
        QVERIFY(f.messages.empty());
    }

    void encodePress()
    {
        FormFixture f;
        QVERIFY(f.load());
        main_window::Form1 *w = f.form.get();
        w->txtNominal->setText(QStringLiteral("4.7"));
        w->cmbEdinIzmereniya->setCurrentIndex(1);
        QBENCHMARK {
            w->Command2_Click();
        }
        QVERIFY(f.messages.empty());
    }
};

QTEST_MAIN(Form1Bench)
#include "form1_bench.moc"
