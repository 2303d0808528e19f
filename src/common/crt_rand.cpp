#include "common/crt_rand.h"

namespace qope {

CrtRand& ProgramRand() {
    static CrtRand generator;
    return generator;
}

}  // namespace qope
