#!/usr/bin/python3
"""A PyQt6 host: the pay-to control beside the host's own widgets, loaded with the sample vendor.

    PYTHONPATH=<prefix>/lib/python3/dist-packages /usr/bin/python3 examples/pyhost/pyhost.py
"""
import sys
from pathlib import Path

from PyQt6.QtCore import QLocale
from PyQt6.QtWidgets import (QApplication, QCheckBox, QFormLayout, QHBoxLayout, QMessageBox,
                             QPlainTextEdit, QPushButton, QSpinBox, QWidget)

import xkrvendorpayto

SAMPLE = Path(__file__).resolve().parents[2] / "sample" / "vendor-1001.txt"


class HostWindow(QWidget):
    def __init__(self, sample):
        super().__init__()
        self.setWindowTitle("Vendor 1001 - Python host")
        self.pay_to = xkrvendorpayto.VendorPayToWidget(self)
        vendor = QSpinBox(minimum=1, maximum=999999)
        check = QCheckBox("Check postal codes")
        collect = QPushButton("Collect")
        self.result = QPlainTextEdit(readOnly=True)

        side = QFormLayout()
        side.addRow("Vendor", vendor)
        side.addRow(check)
        side.addRow(collect)
        side.addRow(self.result)
        layout = QHBoxLayout(self)
        layout.addWidget(self.pay_to)
        layout.addLayout(side)

        # The host's widgets and the control's properties follow each other both ways.
        self.pay_to.vendorIdChanged.connect(vendor.setValue)
        vendor.valueChanged.connect(self.pay_to.setVendorId)
        check.toggled.connect(self.pay_to.setPostalCodeCheck)
        collect.clicked.connect(self.collect)

        # The sample's separators: fields "|", records a line feed, tables "%%" on a line of
        # its own.
        self.pay_to.LetContactAddress(sample.read_text(encoding="utf-8"), "|", "\n", "%%\n")
        self.pay_to.LetVendorIDNMode(1001, True)
        if self.pay_to.loadStatus():
            self.result.setPlainText("Load stopped: " + self.pay_to.loadStatus())

    def collect(self):
        changed = self.pay_to.GetContactAddress()
        if self.pay_to.lastError():
            QMessageBox.warning(self, "Collect", self.pay_to.lastError())
        primary = self.pay_to.ChangedDefault()
        self.result.setPlainText(f"Added or changed:\n{changed or '(none)'}\n"
                                 f"Primary now: {primary or '(unchanged)'}")


def main():
    app = QApplication(sys.argv)
    xkrvendorpayto.installVendorPayToTranslator(QLocale.system())
    window = HostWindow(Path(sys.argv[1]) if len(sys.argv) > 1 else SAMPLE)
    window.show()
    return app.exec()


if __name__ == "__main__":
    sys.exit(main())
