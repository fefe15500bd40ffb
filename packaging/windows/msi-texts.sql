-- SPDX-License-Identifier: MIT
-- The Bulgarian texts of the MSI, one query a line, applied by tools/build-windows once the
-- database's code page is Windows-1251: the name in the Start menu and in Programs and Features.
UPDATE `Property` SET `Value` = 'Матричен шифър' WHERE `Property` = 'ProductName'
UPDATE `Property` SET `Value` = 'Учебна програма по информатика: матричен транспозиционен шифър. Лиценз MIT.' WHERE `Property` = 'ARPCOMMENTS'
UPDATE `Shortcut` SET `Name` = 'MATRIX~1|Матричен шифър', `Description` = 'Учебна програма по информатика: матричен транспозиционен шифър' WHERE `Shortcut` = 'StartMenuShortcut'
UPDATE `LaunchCondition` SET `Description` = 'Вече е инсталирана по-нова версия на Матричен шифър.' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'
