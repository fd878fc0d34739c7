<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>VendorPayTo</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>Upd&amp;ate</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>N&amp;om</translation>
    </message>
    <message>
        <source>Street&amp;1</source>
        <translation>Adresse &amp;1</translation>
    </message>
    <message>
        <source>Street&amp;2</source>
        <translation>Adresse &amp;2</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>&amp;Ville</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>Pa&amp;ys</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation>P&amp;rovince/État</translation>
    </message>
    <message>
        <source>&amp;Postal Code</source>
        <translation>Co&amp;de postal</translation>
    </message>
    <message>
        <source>P&amp;hone</source>
        <translation>Télép&amp;hone</translation>
    </message>
    <message>
        <source>Ph&amp;one 2</source>
        <translation>&amp;Téléphone 2</translation>
    </message>
    <message>
        <source>&amp;FAX</source>
        <translation>Té&amp;lécopieur</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>C&amp;ellulaire</translation>
    </message>
    <message>
        <source>E-&amp;Mail</source>
        <translation>Co&amp;urriel</translation>
    </message>
    <message>
        <source>&amp;Vendor Term</source>
        <extracomment>Label of the payment terms list; the label holds about 12 characters</extracomment>
        <translation>&amp;Conditions</translation>
    </message>
    <message>
        <source>Primar&amp;y Pay To</source>
        <extracomment>Caption of a small check box: keep it as short as Principal</extracomment>
        <translation>&amp;Principale</translation>
    </message>
    <message>
        <source>Ac&amp;tive</source>
        <translation>Act&amp;ive</translation>
    </message>
    <message>
        <source>Se&amp;rial #</source>
        <extracomment>Label of the two-digit serial box; holds about 8 characters</extracomment>
        <translation>&amp;Nº série</translation>
    </message>
    <message>
        <source>VendorPayToID</source>
        <translation>Nº adresse de paiement</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº série</translation>
    </message>
    <message>
        <source>Street1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Street2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Province/État</translation>
    </message>
    <message>
        <source>PostalCode</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Télécopieur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Phone2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cellulaire</translation>
    </message>
    <message>
        <source>DefaultPayTo</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>DefaultTerms</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exportée</translation>
    </message>
    <message>
        <source>AddressID</source>
        <translation>Nº adresse</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Information Required</source>
        <translation>Renseignements à corriger</translation>
    </message>
    <message>
        <source>Information Validation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Contact Name has not been provided.</source>
        <translation>Veuillez saisir le nom.</translation>
    </message>
    <message>
        <source>Contact Street 1 has not been provided.</source>
        <translation>Veuillez saisir l’adresse 1.</translation>
    </message>
    <message>
        <source>Contact City has not been provided.</source>
        <translation>Veuillez saisir la ville.</translation>
    </message>
    <message>
        <source>Contact Country has not been provided.</source>
        <translation>Veuillez choisir le pays.</translation>
    </message>
    <message>
        <source>Contact State has not been provided.</source>
        <translation>Veuillez choisir la province ou l’État.</translation>
    </message>
    <message>
        <source>Vendor Term has not been provided.</source>
        <translation>Veuillez choisir les conditions de paiement du fournisseur.</translation>
    </message>
    <message>
        <source>Serial Number has not been provided.</source>
        <translation>Veuillez saisir le numéro de série.</translation>
    </message>
    <message>
        <source>Contact Name cannot be longer than 50 characters.</source>
        <translation>Le nom ne peut pas dépasser 50 caractères.</translation>
    </message>
    <message>
        <source>Field “%1” contains %2, a reserved separator.</source>
        <extracomment>%1: a field&apos;s label caption, as translated above, without its access key; %2: the separator, as one of the texts below spells it</extracomment>
        <translation>Le champ «&#xa0;%1&#xa0;» contient %2, un séparateur réservé.</translation>
    </message>
    <message>
        <source>Vendor Term cannot be stored for this entry.</source>
        <translation>Ces conditions de paiement ne peuvent pas être enregistrées pour cette adresse.</translation>
    </message>
    <message>
        <source>Serial number already exists !</source>
        <translation>Ce numéro de série existe déjà.</translation>
    </message>
    <message>
        <source>At least one Pay-To entry must be assigned as Primary !</source>
        <translation>Au moins une adresse de paiement doit être désignée comme principale.</translation>
    </message>
    <message>
        <source>Field Serial # can accept only numbers !</source>
        <translation>Le numéro de série ne doit contenir que des chiffres.</translation>
    </message>
    <message>
        <source>Only numbers in range [01 - 09] and [20 - 99] please !</source>
        <translation>Veuillez saisir un nombre de 01 à 09 ou de 20 à 99.</translation>
    </message>
    <message>
        <source>Do you want to delete the selected Address?</source>
        <translation>Voulez-vous supprimer l’adresse sélectionnée?</translation>
    </message>
    <message>
        <source>Postal Code %1 does not look like a US ZIP code (12345 or 12345-6789). Store it anyway?</source>
        <extracomment>%1: the postal code as typed</extracomment>
        <translation>Le code postal %1 ne ressemble pas à un code ZIP américain (12345 ou 12345-6789). L’enregistrer quand même?</translation>
    </message>
    <message>
        <source>Postal Code %1 does not look like a Canadian postal code (A1A 1A1). Store it anyway?</source>
        <extracomment>%1: the postal code as typed</extracomment>
        <translation>Le code postal %1 ne ressemble pas à un code postal canadien (A1A 1A1). L’enregistrer quand même?</translation>
    </message>
    <message>
        <source>Postal Code %1 is not a postal code of %2. Store it anyway?</source>
        <extracomment>%1: the postal code as typed; %2: a state or province name as the host loaded it (English, not translated)</extracomment>
        <translation>Le code postal %1 ne correspond pas à la province ou à l’État choisi (%2). L’enregistrer quand même?</translation>
    </message>
    <message>
        <source>Version number: %1</source>
        <extracomment>%1: the version, such as 2.0.2</extracomment>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>A separator of characters a person can see; %1: those characters</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>un espace</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>une tabulation</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un saut de ligne</translation>
    </message>
    <message>
        <source>the control character U+%1</source>
        <extracomment>%1: the character&apos;s code in hexadecimal, such as 0001</extracomment>
        <translation>le caractère de commande U+%1</translation>
    </message>
    <message>
        <source>%1 followed by %2</source>
        <extracomment>A separator of several pieces; %1 and %2: pieces as spelled by the texts below</extracomment>
        <translation>%1 puis %2</translation>
    </message>
    <message>
        <source>Vendor pay-to addresses</source>
        <translation>Adresses de paiement du fournisseur</translation>
    </message>
    <message>
        <source>Vendor contact</source>
        <translation>Coordonnées du fournisseur</translation>
    </message>
    <message>
        <source>Pay-to address</source>
        <translation>Adresse de paiement</translation>
    </message>
    <message>
        <source>Pay-to entries</source>
        <translation>Adresses de paiement</translation>
    </message>
    <message>
        <source>Columns: %1</source>
        <extracomment>%1: the shown column headers, separated by commas</extracomment>
        <translation>Colonnes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoire</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending.</source>
        <extracomment>%1: the header of the sort column</extracomment>
        <translation>Triées par %1, ordre croissant.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending.</source>
        <extracomment>%1: the header of the sort column</extracomment>
        <translation>Triées par %1, ordre décroissant.</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1: a column header</extracomment>
        <translation>Trier par %1</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This entry cannot be stored: the separators of the vendor&apos;s data would split it.</source>
        <extracomment>Save refused where no one field is at fault: the separators the host chose also stand in the ids and codes that the control writes</extracomment>
        <translation>Cette entrée ne peut pas être enregistrée&#xa0;: les séparateurs des données du fournisseur la couperaient.</translation>
    </message>
</context>
</TS>
