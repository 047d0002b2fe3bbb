#pragma once
#include <QApplication>

// The application object. Its notify is the general error display: an error that leaves an event
// handler (an EHata, any std::exception, or anything else thrown) is shown in the standard error
// message box with its text, the rest of that handler is skipped, and the program goes on. Qt never
// sees an exception.
class TUygulama : public QApplication {
    Q_OBJECT
public:
    TUygulama(int& argc, char** argv);

    bool notify(QObject* alici, QEvent* olay) override;

    // The remote layer's connection message goes to MesajSor: error dialog, OK only, focused.
    static void BaglantiMesajiniBagla();

    // Shows the text of the error being handled (call inside a catch block).
    static void HataGoster();
};
