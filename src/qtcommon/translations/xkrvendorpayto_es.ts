<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>VendorPayTo</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>Upd&amp;ate</source>
        <translation>Act&amp;ualizar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Street&amp;1</source>
        <translation>Dirección &amp;1</translation>
    </message>
    <message>
        <source>Street&amp;2</source>
        <translation>Dirección &amp;2</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>C&amp;iudad</translation>
    </message>
    <message>
        <source>Co&amp;untry</source>
        <translation>&amp;País</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation>Esta&amp;do/Prov.</translation>
    </message>
    <message>
        <source>&amp;Postal Code</source>
        <translation>Códi&amp;go postal</translation>
    </message>
    <message>
        <source>P&amp;hone</source>
        <translation>Telé&amp;fono</translation>
    </message>
    <message>
        <source>Ph&amp;one 2</source>
        <translation>&amp;Teléfono 2</translation>
    </message>
    <message>
        <source>&amp;FAX</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>Ce&amp;lular</translation>
    </message>
    <message>
        <source>E-&amp;Mail</source>
        <translation>&amp;Correo</translation>
    </message>
    <message>
        <source>&amp;Vendor Term</source>
        <extracomment>Label of the payment terms list; the label holds about 12 characters</extracomment>
        <translation>C&amp;ondiciones</translation>
    </message>
    <message>
        <source>Primar&amp;y Pay To</source>
        <extracomment>Caption of a small check box: keep it as short as Principal</extracomment>
        <translation>P&amp;rincipal</translation>
    </message>
    <message>
        <source>Ac&amp;tive</source>
        <translation>Acti&amp;va</translation>
    </message>
    <message>
        <source>Se&amp;rial #</source>
        <extracomment>Label of the two-digit serial box; holds about 8 characters</extracomment>
        <translation>Nº &amp;serie</translation>
    </message>
    <message>
        <source>VendorPayToID</source>
        <translation>Nº de dirección de pago</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nº serie</translation>
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
        <source>PostalCode</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Phone2</source>
        <translation>Teléfono 2</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
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
        <translation>Datos por corregir</translation>
    </message>
    <message>
        <source>Information Validation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Contact Name has not been provided.</source>
        <translation>Falta el nombre.</translation>
    </message>
    <message>
        <source>Contact Street 1 has not been provided.</source>
        <translation>Falta la dirección 1.</translation>
    </message>
    <message>
        <source>Contact City has not been provided.</source>
        <translation>Falta la ciudad.</translation>
    </message>
    <message>
        <source>Contact Country has not been provided.</source>
        <translation>Seleccione el país.</translation>
    </message>
    <message>
        <source>Contact State has not been provided.</source>
        <translation>Seleccione el estado o la provincia.</translation>
    </message>
    <message>
        <source>Vendor Term has not been provided.</source>
        <translation>Seleccione las condiciones de pago del proveedor.</translation>
    </message>
    <message>
        <source>Serial Number has not been provided.</source>
        <translation>Falta el número de serie.</translation>
    </message>
    <message>
        <source>Contact Name cannot be longer than 50 characters.</source>
        <translation>El nombre no puede tener más de 50 caracteres.</translation>
    </message>
    <message>
        <source>Field “%1” contains %2, a reserved separator.</source>
        <extracomment>%1: a field&apos;s label caption, as translated above, without its access key; %2: the separator, as one of the texts below spells it</extracomment>
        <translation>El campo “%1” contiene %2, un separador reservado.</translation>
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
        <translation>El número de serie solo admite dígitos.</translation>
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
        <source>“%1”</source>
        <extracomment>A separator of characters a person can see; %1: those characters</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>un espacio</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>una tabulación</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>the control character U+%1</source>
        <extracomment>%1: the character&apos;s code in hexadecimal, such as 0001</extracomment>
        <translation>el carácter de control U+%1</translation>
    </message>
    <message>
        <source>%1 followed by %2</source>
        <extracomment>A separator of several pieces; %1 and %2: pieces as spelled by the texts below</extracomment>
        <translation>%1 y luego %2</translation>
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
    <message>
        <source>This entry cannot be stored: the separators of the vendor&apos;s data would split it.</source>
        <extracomment>Save refused where no one field is at fault: the separators the host chose also stand in the ids and codes that the control writes</extracomment>
        <translation>No se puede guardar esta entrada: los separadores de los datos del proveedor la dividirían.</translation>
    </message>
</context>
</TS>
