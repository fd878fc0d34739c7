# What the binding adds to the widget, as a PyQt6 host meets the installed module.
import pytest
from PyQt6 import sip
from PyQt6.QtCore import QPoint, Qt
from PyQt6.QtWidgets import QLineEdit, QTreeView, QWidget
from xkrvendorpayto import VendorPayToMessageHandler as Handler, VendorPayToWidget

ENTRIES = ("1|Main Office|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~"
           "2|Dépôt Nord|20|2 Dock Rd||Springfield|1|10|12345||||||-1|0|3|0|78|1234~"
           "^3|Net 30|30 days~^10|1|CA|California~")


class Answers(Handler):
    def answer(self, title, text, style):
        self.asked = (title, style)
        return self.reply


# 12345 is no Californian code: the Python handler's No stores nothing, its Yes the entry.
def test_binding(qtbot):
    host = QWidget()
    VendorPayToWidget(host)  # the parent owns it, not this dropped reference
    pay_to = host.findChild(VendorPayToWidget)
    pay_to.LetContactAddress(ENTRIES, "|", "~", "^")
    pay_to.LetVendorIDNMode(1234, True)
    host.show()
    with qtbot.waitSignal(pay_to.postalCodeCheckChanged, check_params_cb=lambda on: on is True):
        assert pay_to.setProperty("postalCodeCheck", True)
    pay_to.setMessageHandler(Answers())  # kept alive by the widget: else a modal box would hang
    pay_to.messageHandler().reply = Handler.Answer.No
    rows, name = pay_to.findChild(QTreeView), pay_to.findChild(QLineEdit, "txtContact_0")
    click = lambda widget, at=QPoint(): qtbot.mouseClick(widget, Qt.MouseButton.LeftButton, pos=at)
    click(rows.viewport(), rows.visualRect(rows.model().index(1, 1)).center())
    click(pay_to.findChild(QWidget, "cmdEdit"))
    click(name)
    qtbot.keyClick(name, Qt.Key.Key_End)
    qtbot.keyClicks(name, " Sud")
    click(pay_to.findChild(QWidget, "ChkDefault"))
    click(pay_to.findChild(QWidget, "cmdAdd"))
    assert pay_to.messageHandler().asked == ("Information Validation", Handler.Style.Question)
    assert pay_to.GetContactAddress() == ""
    pay_to.messageHandler().reply = Handler.Answer.Yes
    click(pay_to.findChild(QWidget, "cmdAdd"))
    assert pay_to.GetContactAddress().startswith("2|Dépôt Nord Sud|20|")
    assert pay_to.ChangedDefault() == "2"
    with pytest.raises(TypeError):
        pay_to.LetVendorIDNMode("1234", True)
    lone, gone = VendorPayToWidget(editable=True), []
    lone.destroyed.connect(lambda: gone.append("lone"))
    assert not lone.GetContactAddress() and "not open" in lone.lastError()  # nothing loaded
    del lone, host  # no parent: Python's reference was the last; the parent takes its child
    assert gone == ["lone"] and sip.isdeleted(pay_to) and sip.isdeleted(name)
