// The LibreOffice Calc add-in: the rows of spreadsheet_functions.cpp as the
// methods of org.h2oorv.calc.XH2OFunctions, with the names and descriptions
// that Calc's Function Wizard shows (XAddIn). A refused call raises
// IllegalArgumentException, which Calc shows as Err:502; it never reaches the
// office as a crash.
#include "spreadsheet_functions.h"

#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/lang/XServiceName.hpp>
#include <com/sun/star/sheet/XAddIn.hpp>
#include <cppuhelper/implbase4.hxx>
#include <cppuhelper/implementationentry.hxx>
#include <cppuhelper/supportsservice.hxx>
#include <org/h2oorv/calc/XH2OFunctions.hpp>

#include <cmath>

using namespace com::sun::star;
using rtl::OUString;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;

namespace {

constexpr char ImplementationName[] = "org.h2oorv.calc.H2OFunctionsImplementation";
constexpr char ServiceName[] = "org.h2oorv.calc.H2OFunctions";
constexpr char AddInService[] = "com.sun.star.sheet.AddIn";

OUString Text(const std::string& text) {
    return OUString(text.data(), sal_Int32(text.size()), RTL_TEXTENCODING_UTF8);
}

std::string Utf8(const OUString& text) {
    const rtl::OString utf8 = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(utf8.getStr(), std::size_t(utf8.getLength()));
}

// An optional argument left out of the formula arrives void; NaN says so.
double Optional(const Any& argument) {
    double value = std::nan("");
    if (argument.hasValue() && !(argument >>= value))
        throw lang::IllegalArgumentException("The argument is no number.", {}, 0);
    return value;
}

// The method `why`, for the Function Wizard; it has no value of its own.
const SpreadsheetFunction Why{"H2O_WHY", "why", "The message why the named function refuses these arguments; empty when it gives a value",
                              {{"function", "the function's name, e.g. \"H2O_H_PT\"", false},
                               {"a", "its first argument", false},
                               {"b", "its second argument", true},
                               {"c", "its third argument", true}},
                              nullptr};

// XAddIn is XLocalizable too.
class H2OFunctions : public cppu::WeakImplHelper4<org::h2oorv::calc::XH2OFunctions, sheet::XAddIn,
                                                  lang::XServiceName, lang::XServiceInfo> {
public:
    double SAL_CALL hPT(double p, double t) override { return Call("hPT", {p, t}); }
    double SAL_CALL sPT(double p, double t) override { return Call("sPT", {p, t}); }
    double SAL_CALL vPT(double p, double t) override { return Call("vPT", {p, t}); }
    double SAL_CALL cpPT(double p, double t) override { return Call("cpPT", {p, t}); }
    double SAL_CALL tPH(double p, double h) override { return Call("tPH", {p, h}); }
    double SAL_CALL tPS(double p, double s) override { return Call("tPS", {p, s}); }
    double SAL_CALL xPH(double p, double h) override { return Call("xPH", {p, h}); }
    double SAL_CALL hPX(double p, double x) override { return Call("hPX", {p, x}); }
    double SAL_CALL tsP(double p) override { return Call("tsP", {p}); }
    double SAL_CALL psT(double t) override { return Call("psT", {t}); }
    double SAL_CALL pHS(double h, double s) override { return Call("pHS", {h, s}); }
    double SAL_CALL tHS(double h, double s) override { return Call("tHS", {h, s}); }
    double SAL_CALL muPT(double p, double t, const Any& release) override {
        return Call("muPT", {p, t, Optional(release)});
    }
    double SAL_CALL lambdaPT(double p, double t, const Any& release) override {
        return Call("lambdaPT", {p, t, Optional(release)});
    }
    OUString SAL_CALL why(const OUString& function, double a, const Any& b, const Any& c) override {
        const SpreadsheetFunction* row = SpreadsheetFunctionNamed(Utf8(function));
        if (row == nullptr) throw lang::IllegalArgumentException("No such function: " + function, {}, 0);
        std::string message;
        Evaluate(*row, {a, Optional(b), Optional(c)}, &message);
        return Text(message);
    }

    // XAddIn: the Function Wizard's names and texts.
    OUString SAL_CALL getProgrammaticFuntionName(const OUString& displayName) override {
        const SpreadsheetFunction* row = Row(displayName);
        return row != nullptr ? OUString::createFromAscii(row->programmaticName) : OUString();
    }
    OUString SAL_CALL getDisplayFunctionName(const OUString& name) override {
        const SpreadsheetFunction* row = Row(name);
        return row != nullptr ? OUString::createFromAscii(row->displayName) : OUString();
    }
    OUString SAL_CALL getFunctionDescription(const OUString& name) override {
        const SpreadsheetFunction* row = Row(name);
        return row != nullptr ? Text(row->description) : OUString();
    }
    OUString SAL_CALL getDisplayArgumentName(const OUString& name, sal_Int32 argument) override {
        const SpreadsheetArgument* a = Argument(name, argument);
        return a != nullptr ? Text(a->name) : OUString();
    }
    OUString SAL_CALL getArgumentDescription(const OUString& name, sal_Int32 argument) override {
        const SpreadsheetArgument* a = Argument(name, argument);
        return a != nullptr ? Text(a->description) : OUString();
    }
    OUString SAL_CALL getProgrammaticCategoryName(const OUString&) override { return "Add-In"; }
    OUString SAL_CALL getDisplayCategoryName(const OUString&) override { return "Add-In"; }

    // XLocalizable: one language, English.
    void SAL_CALL setLocale(const lang::Locale& locale) override { locale_ = locale; }
    lang::Locale SAL_CALL getLocale() override { return locale_; }

    OUString SAL_CALL getServiceName() override { return ServiceName; }
    OUString SAL_CALL getImplementationName() override { return ImplementationName; }
    sal_Bool SAL_CALL supportsService(const OUString& name) override { return cppu::supportsService(this, name); }
    Sequence<OUString> SAL_CALL getSupportedServiceNames() override { return Services(); }

    static Sequence<OUString> Services() {
        Sequence<OUString> names(2);
        names.getArray()[0] = OUString::createFromAscii(AddInService);
        names.getArray()[1] = OUString::createFromAscii(ServiceName);
        return names;
    }

private:
    static const SpreadsheetFunction* Row(const OUString& name) {
        if (name.equalsIgnoreAsciiCaseAscii(Why.displayName) || name.equalsIgnoreAsciiCaseAscii(Why.programmaticName)) return &Why;
        return SpreadsheetFunctionNamed(Utf8(name));
    }
    // The argument of `why` is the function's name; then its own.
    static const SpreadsheetArgument* Argument(const OUString& name, sal_Int32 index) {
        const SpreadsheetFunction* row = Row(name);
        if (row == nullptr || index < 0 || std::size_t(index) >= row->arguments.size()) return nullptr;
        return &row->arguments[index];
    }
    static double Call(const char* name, const SpreadsheetArguments& arguments) {
        std::string message;
        const double value = Evaluate(*SpreadsheetFunctionNamed(name), arguments, &message);
        if (!message.empty()) throw lang::IllegalArgumentException(Text(message), {}, 0);
        return value;
    }

    lang::Locale locale_;
};

Reference<uno::XInterface> SAL_CALL Create(const Reference<uno::XComponentContext>&) {
    return static_cast<cppu::OWeakObject*>(new H2OFunctions);
}
OUString SAL_CALL Name() {
    return ImplementationName;
}
Sequence<OUString> SAL_CALL Services() {
    return H2OFunctions::Services();
}

const cppu::ImplementationEntry Entries[] = {
    {Create, Name, Services, cppu::createSingleComponentFactory, nullptr, 0},
    {nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

}  // namespace

extern "C" SAL_DLLPUBLIC_EXPORT void* SAL_CALL component_getFactory(const char* implementation, void* serviceManager,
                                                                     void* registryKey) {
    return cppu::component_getFactoryHelper(implementation, serviceManager, registryKey, Entries);
}
