<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>VendorPayTo</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Street1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Street2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado/Prov.</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Vendor Term</source>
        <extracomment>Label of the payment terms list; the label holds about 12 characters</extracomment>
        <translation>Condiciones</translation>
    </message>
    <message>
        <source>Primary Pay To</source>
        <extracomment>Caption of a small check box: keep it as short as Principal</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Serial #</source>
        <extracomment>Label of the two-digit serial box; holds about 8 characters</extracomment>
        <translation>Nº serie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>VendorPayToID</source>
        <translation>Nº de dirección de pago</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº serie</translation>
    </message>
    <message>
        <source>PostalCode</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Phone2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>DefaultPayTo</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>DefaultTerms</source>
        <translation>Condiciones</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exportada</translation>
    </message>
    <message>
        <source>AddressID</source>
        <translation>Nº de dirección</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Information Required</source>
        <translation>Información obligatoria</translation>
    </message>
    <message>
        <source>Information Validation</source>
        <translation>Validación de la información</translation>
    </message>
    <message>
        <source>Contact Name has not been provided.</source>
        <translation>No se ha indicado el nombre.</translation>
    </message>
    <message>
        <source>Contact Street 1 has not been provided.</source>
        <translation>No se ha indicado la dirección 1.</translation>
    </message>
    <message>
        <source>Contact City has not been provided.</source>
        <translation>No se ha indicado la ciudad.</translation>
    </message>
    <message>
        <source>Contact Country has not been provided.</source>
        <translation>No se ha seleccionado el país.</translation>
    </message>
    <message>
        <source>Contact State has not been provided.</source>
        <translation>No se ha seleccionado el estado o la provincia.</translation>
    </message>
    <message>
        <source>Vendor Term has not been provided.</source>
        <translation>No se han seleccionado las condiciones de pago del proveedor.</translation>
    </message>
    <message>
        <source>Serial Number has not been provided.</source>
        <translation>No se ha indicado el número de serie.</translation>
    </message>
    <message>
        <source>Contact Name cannot be longer than 50 characters.</source>
        <translation>El nombre no puede tener más de 50 caracteres.</translation>
    </message>
    <message>
        <source>Field %1 contains a reserved separator.</source>
        <extracomment>%1: a field's label caption, as translated above</extracomment>
        <translation>El campo %1 contiene un separador reservado.</translation>
    </message>
    <message>
        <source>Vendor Term cannot be stored for this entry.</source>
        <translation>Estas condiciones de pago no se pueden guardar para esta dirección.</translation>
    </message>
    <message>
        <source>Serial number already exists !</source>
        <translation>Este número de serie ya existe.</translation>
    </message>
    <message>
        <source>At least one Pay-To entry must be assigned as Primary !</source>
        <translation>Al menos una dirección de pago debe marcarse como principal.</translation>
    </message>
    <message>
        <source>Field Serial # can accept only numbers !</source>
        <translation>El campo Nº serie solo acepta números.</translation>
    </message>
    <message>
        <source>Only numbers in range [01 - 09] and [20 - 99] please !</source>
        <translation>Escriba un número del 01 al 09 o del 20 al 99.</translation>
    </message>
    <message>
        <source>Do you want to delete the selected Address?</source>
        <translation>¿Desea eliminar la dirección seleccionada?</translation>
    </message>
    <message>
        <source>Postal Code %1 does not look like a US ZIP code (12345 or 12345-6789). Store it anyway?</source>
        <extracomment>%1: the postal code as typed</extracomment>
        <translation>El código postal %1 no parece un código ZIP de Estados Unidos (12345 o 12345-6789). ¿Desea guardarlo de todos modos?</translation>
    </message>
    <message>
        <source>Postal Code %1 does not look like a Canadian postal code (A1A 1A1). Store it anyway?</source>
        <extracomment>%1: the postal code as typed</extracomment>
        <translation>El código postal %1 no parece un código postal canadiense (A1A 1A1). ¿Desea guardarlo de todos modos?</translation>
    </message>
    <message>
        <source>Postal Code %1 is not a postal code of %2. Store it anyway?</source>
        <extracomment>%1: the postal code as typed; %2: a state or province name as the host loaded it (English, not translated)</extracomment>
        <translation>El código postal %1 no corresponde a %2. ¿Desea guardarlo de todos modos?</translation>
    </message>
    <message>
        <source>Version number: %1</source>
        <extracomment>%1: the version, such as 2.0.2</extracomment>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Vendor pay-to addresses</source>
        <translation>Direcciones de pago del proveedor</translation>
    </message>
    <message>
        <source>Vendor contact</source>
        <translation>Datos de contacto del proveedor</translation>
    </message>
    <message>
        <source>Pay-to address</source>
        <translation>Dirección de pago</translation>
    </message>
    <message>
        <source>Pay-to entries</source>
        <translation>Direcciones de pago</translation>
    </message>
    <message>
        <source>Columns: %1</source>
        <extracomment>%1: the shown column headers, separated by commas</extracomment>
        <translation>Columnas: %1</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatorio</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending.</source>
        <extracomment>%1: the header of the sort column</extracomment>
        <translation>Ordenadas por %1, de forma ascendente.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending.</source>
        <extracomment>%1: the header of the sort column</extracomment>
        <translation>Ordenadas por %1, de forma descendente.</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1: a column header</extracomment>
        <translation>Ordenar por %1</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
