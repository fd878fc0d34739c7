<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>VendorPayTo</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <source>Postal Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Télécopieur</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cellulaire</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Vendor Term</source>
        <extracomment>Label of the payment terms list; the label holds about 12 characters</extracomment>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Primary Pay To</source>
        <extracomment>Caption of a small check box: keep it as short as Principal</extracomment>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Serial #</source>
        <extracomment>Label of the two-digit serial box; holds about 8 characters</extracomment>
        <translation>Nº série</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>VendorPayToID</source>
        <translation>Nº adresse de paiement</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº série</translation>
    </message>
    <message>
        <source>PostalCode</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Phone2</source>
        <translation>Téléphone 2</translation>
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
        <translation>Renseignement obligatoire</translation>
    </message>
    <message>
        <source>Information Validation</source>
        <translation>Validation des renseignements</translation>
    </message>
    <message>
        <source>Contact Name has not been provided.</source>
        <translation>Le nom n’a pas été saisi.</translation>
    </message>
    <message>
        <source>Contact Street 1 has not been provided.</source>
        <translation>L’adresse 1 n’a pas été saisie.</translation>
    </message>
    <message>
        <source>Contact City has not been provided.</source>
        <translation>La ville n’a pas été saisie.</translation>
    </message>
    <message>
        <source>Contact Country has not been provided.</source>
        <translation>Le pays n’a pas été choisi.</translation>
    </message>
    <message>
        <source>Contact State has not been provided.</source>
        <translation>La province ou l’État n’a pas été choisi.</translation>
    </message>
    <message>
        <source>Vendor Term has not been provided.</source>
        <translation>Les conditions de paiement du fournisseur n’ont pas été choisies.</translation>
    </message>
    <message>
        <source>Serial Number has not been provided.</source>
        <translation>Le numéro de série n’a pas été saisi.</translation>
    </message>
    <message>
        <source>Contact Name cannot be longer than 50 characters.</source>
        <translation>Le nom ne peut pas dépasser 50 caractères.</translation>
    </message>
    <message>
        <source>Field %1 contains a reserved separator.</source>
        <extracomment>%1: a field's label caption, as translated above</extracomment>
        <translation>Le champ %1 contient un séparateur réservé.</translation>
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
        <translation>Le champ Nº série n’accepte que des chiffres.</translation>
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
        <translation>Version : %1</translation>
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
        <translation>Colonnes : %1</translation>
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
</context>
</TS>
