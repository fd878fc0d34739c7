// LetContactAddress with 32,767 entries called from Python, through the PyQt6 module, beside the
// same call from C++ in the same run: what a Python host pays for the binding. Both widgets are
// the same class from the same shared library, hidden, in edit mode.
#include <Python.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <string>

#include "BenchTexts.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace {

constexpr std::size_t kEntries = 32767;

const std::string& contactText() {
    static const std::string text = xkr::bench::contactText(kEntries, false);
    return text;
}

void BM_LetContactAddressFromCpp(benchmark::State& state) {
    xkr::VendorPayToWidget widget;
    widget.LetVendorIDNMode(1234, true);
    const QString text = QString::fromStdString(contactText());  // as a C++ host holds it
    for (auto _ : state) {
        widget.LetContactAddress(text, "|", "~", "^");
    }
}

// The Python host holds the text as a str; each iteration runs one line of Python.
void BM_LetContactAddressFromPython(benchmark::State& state) {
    PyObject* globals = PyDict_New();
    PyDict_SetItemString(globals, "__builtins__", PyEval_GetBuiltins());
    PyObject* text = PyUnicode_FromStringAndSize(contactText().data(),
                                                 static_cast<Py_ssize_t>(contactText().size()));
    PyDict_SetItemString(globals, "text", text);
    PyObject* setup = PyRun_String(
        "import xkrvendorpayto\n"
        "pay_to = xkrvendorpayto.VendorPayToWidget()\n"
        "pay_to.LetVendorIDNMode(1234, True)\n",
        Py_file_input, globals, globals);
    PyObject* call =
        Py_CompileString("pay_to.LetContactAddress(text, '|', '~', '^')", "bench", Py_eval_input);
    if (!setup || !call) {
        PyErr_Print();
        state.SkipWithError("the Python module did not load");
    }
    for (auto _ : state) {
        PyObject* result = PyEval_EvalCode(call, globals, globals);
        if (!result) {
            PyErr_Print();
            state.SkipWithError("the Python call failed");
            break;
        }
        Py_DECREF(result);
    }
    Py_XDECREF(call);
    Py_XDECREF(setup);
    Py_DECREF(text);
    PyDict_Clear(globals);  // drops the widget
    Py_DECREF(globals);
}

BENCHMARK(BM_LetContactAddressFromCpp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LetContactAddressFromPython)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Py_Initialize();
    // The module as built, beside PyQt6 of the same Python.
    PyRun_SimpleString("import sys; sys.path.insert(0, '" XKR_PYTHON_MODULE_DIR "')");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Py_Finalize();
    return 0;
}
