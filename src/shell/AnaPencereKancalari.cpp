#include "AnaPencereKancalari.h"

AnaPencereKancalari& AnaPencereKancalari::Al() {
    static AnaPencereKancalari k;
    return k;
}
