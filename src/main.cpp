#include "KatalogKaydi.h"
#include "SapphireKamri.h"
#include "SiparisKaydi.h"
#include "TForm1.h"
#include "TUygulama.h"

#include <QLineEdit>

int main(int, char** argv) {
    // The client reads no arguments: the framework sees the program name only.
    int argc = 1;
    char* yalniz[] = {argv[0], nullptr};
    TUygulama uygulama(argc, yalniz);
    SapphireKamri::Uygula(uygulama);
    KatalogSayfalariniKaydet();
    SiparisSayfalariniKaydet();

    TForm1 Form1;
    if (!Form1.FormCreate())
        return 0;
    Form1.showMaximized();
    Form1.araedit()->setFocus();
    return uygulama.exec();
}
