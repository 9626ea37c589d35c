// Uses both installed libraries through their public headers only.
#include <TFS.h>
#include <Tabl1.h>

#include <cmath>
#include <cstdio>

#if __has_include("tfs_internal.h") || __has_include("tabl1_internal.h")
#error "an internal header of the libraries is on the include path"
#endif

int main() {
    int faults = 0;
    auto expect_near = [&faults](const char* what, double value, double expected, double tolerance) {
        if (!(std::fabs(value - expected) <= tolerance)) {
            std::printf("%s = %.9g, expected %.9g\n", what, value, expected);
            ++faults;
        }
    };
    // IAPWS-IF97 verification value, region 1 at 3 MPa and 300 K
    expect_near("TFS::HW_PT(3, 26.85)", TFS::HW_PT(3, 26.85), 115.331273, 1e-6);
    expect_near("Tabl1::TSP(1)", Tabl1::TSP(1), 179.884, 0.0005);
    try {
        TFS::HW_PT(0.1, 100);  // steam, not water
        std::puts("TFS::HW_PT(0.1, 100) did not stop");
        ++faults;
    } catch (const TFS::FatalStop&) {
    }
    return faults == 0 ? 0 : 1;
}
