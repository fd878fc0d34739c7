// Loads one vendor, lets the user edit, and prints what the host would store.
payTo.LetContactAddress(
    "1|Main Office|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~" +
        "^3|Net 30|30 days~^10|1|CA|California~",
    "|", "~", "^");
payTo.LetVendorIDNMode(1234, true);
if (payTo.loadStatus !== "")
    console.warn("load stopped early: " + payTo.loadStatus);

function collect() {
    console.log("added or changed: " + payTo.GetContactAddress());
    console.log("primary now: " + payTo.ChangedDefault());
}
