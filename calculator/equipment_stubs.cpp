#include "equipment_refusal.h"
namespace {
[[noreturn]] void NotYet() { Refuse(QString(), QStringLiteral(" not yet")); }
}
Stream StreamOf(const ModeRow&, const InputValues&, double, const Units&, const QString&) { NotYet(); }
Stream StreamPT(double, double, double) { NotYet(); }
Stream StreamPH(double, double, double) { NotYet(); }
Stream StreamPS(double, double, double) { NotYet(); }
Stream StreamPX(double, double, double) { NotYet(); }
Expansion Expand(const Stream&, double, double, double) { NotYet(); }
Expansion ExpandForPower(const Stream&, double, double, double, double) { NotYet(); }
Expansion ExpandTo(const Stream&, const Stream&, double) { NotYet(); }
Compression Compress(const Stream&, double, double) { NotYet(); }
Throttling Throttle(const Stream&, double) { NotYet(); }
Desuperheating Desuperheat(const Stream&, double, const Stream&, double) { NotYet(); }
Heating Heat(const Stream&, double, const HeatTarget&) { NotYet(); }
Mixing Mix(const QList<Stream>&, double) { NotYet(); }
HeatLoss LoseHeat(const Stream&, double) { NotYet(); }
Flashing Flash(const Stream&, double) { NotYet(); }
Deaeration Deaerate(double, double, double, const Stream&, const Stream&) { NotYet(); }
Boiling Boil(const Stream&, const Stream&, double, double) { NotYet(); }
Exchanging Exchange(const Stream&, const Stream&, double) { NotYet(); }
RankineResult RankineCycle(const RankineDefinition&) { NotYet(); }
