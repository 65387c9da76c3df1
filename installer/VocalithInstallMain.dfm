object VocalithInstallForm: TVocalithInstallForm
  Left = 192
  Top = 107
  BorderStyle = bsDialog
  Caption = 'Ostrell Vocalith - Installation'
  ClientHeight = 368
  ClientWidth = 505
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  object ButtonPanel: TButtonPanel
    Left = 0
    Top = 328
    Width = 505
    Height = 40
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 0
    Alignment = taRightJustify
    ButtonWidth = 128
    ButtonHeight = 32
    Spacing = 8
    Buttons = <
      item
        Caption = '&Continue'
        Kind = bkOK
        OnClick = ButtonPanelContinueClick
      end
      item
        Caption = 'Close'
        Kind = bkCancel
        OnClick = ButtonPanelCloseClick
      end>
  end
  object PanelMain: TPanel
    Left = 0
    Top = 0
    Width = 505
    Height = 328
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
    object LabelLang: TLabel
      Left = 352
      Top = 8
      Width = 51
      Height = 13
      Caption = 'Language:'
    end
    object GroupMode: TGroupBox
      Left = 8
      Top = 8
      Width = 217
      Height = 73
      Caption = 'Installation/uninstallation'
      TabOrder = 0
      object BtnInstall: TRadioButton
        Left = 16
        Top = 24
        Width = 185
        Height = 17
        Caption = 'Install'
        Checked = True
        TabOrder = 0
        TabStop = True
        OnClick = BtnInstallClick
      end
      object BtnUninstall: TRadioButton
        Left = 16
        Top = 48
        Width = 185
        Height = 17
        Caption = 'Uninstall'
        TabOrder = 1
        OnClick = BtnInstallClick
      end
    end
    object LangComboBox: TVocalithComboBox
      Left = 352
      Top = 24
      Width = 145
      Height = 21
      ItemHeight = 13
      TabOrder = 1
      Vocalith = Vocalith
    end
    object GroupFolder: TGroupBox
      Left = 8
      Top = 96
      Width = 489
      Height = 81
      Caption = 'Installation folder'
      TabOrder = 2
      object BtnFolder: TCheckBox
        Left = 16
        Top = 24
        Width = 113
        Height = 17
        Caption = 'Enabled'
        Checked = True
        TabOrder = 0
        OnClick = BtnClick
      end
    end
    object GroupDir: TGroupBox
      Left = 8
      Top = 192
      Width = 273
      Height = 121
      Caption = 'Package locations'
      TabOrder = 3
      object BtnWindows: TCheckBox
        Left = 16
        Top = 24
        Width = 241
        Height = 17
        Hint = 'C:\Windows'
        Caption = 'C:\Windows'
        Checked = True
        TabOrder = 0
        OnClick = BtnClick
      end
      object BtnD3Dir: TCheckBox
        Left = 16
        Top = 48
        Width = 241
        Height = 17
        Caption = '...\Delphi 3\Bin'
        Enabled = False
        TabOrder = 1
        OnClick = BtnClick
      end
      object BtnD4Dir: TCheckBox
        Left = 16
        Top = 72
        Width = 241
        Height = 17
        Caption = '...\Delphi 4\Bin'
        Enabled = False
        TabOrder = 2
        OnClick = BtnClick
      end
      object BtnD5Dir: TCheckBox
        Left = 16
        Top = 96
        Width = 241
        Height = 17
        Caption = '...\Delphi 5\Bin'
        Enabled = False
        TabOrder = 3
        OnClick = BtnClick
      end
    end
    object GroupReg: TGroupBox
      Left = 296
      Top = 216
      Width = 201
      Height = 97
      Caption = 'Register packages to'
      TabOrder = 4
      object BtnD3: TCheckBox
        Left = 16
        Top = 24
        Width = 169
        Height = 17
        Caption = 'Delphi 3'
        Enabled = False
        TabOrder = 0
      end
      object BtnD4: TCheckBox
        Left = 16
        Top = 48
        Width = 169
        Height = 17
        Caption = 'Delphi 4'
        Enabled = False
        TabOrder = 1
      end
      object BtnD5: TCheckBox
        Left = 16
        Top = 72
        Width = 169
        Height = 17
        Caption = 'Delphi 5'
        Enabled = False
        TabOrder = 2
      end
    end
  end
  object Vocalith: TVocalith
    Languages.Strings = (
      'English'
      'Deutsch')
    Language = 'English'
    Resources = <
      item
        Key = 'RTOnly'
        Texts.Strings = (
          '(Runtime packages only)'
          '(nur Laufzeit-Packages)')
      end
      item
        Key = 'DirAlreadyExists'
        Texts.Strings = (
          'Directory ''%s'' already exists.'
          'Verzeichnis ''%s'' existiert bereits.')
      end
      item
        Key = 'DirCreated'
        Texts.Strings = (
          'Directory ''%s'' created.'
          'Verzeichnis ''%s'' erstellt.')
      end
      item
        Key = 'EDirCreate'
        Texts.Strings = (
          'Error: Directory ''%s'' could not be created.'
          'Fehler: Verzeichnis ''%s'' konnte nicht erstellt werden.')
      end
      item
        Key = 'EDirNotFound'
        Texts.Strings = (
          'Error: Directory ''%s'' not found.'
          'Fehler: Verzeichnis ''%s'' nicht gefunden.')
      end
      item
        Key = 'EDirDelete'
        Texts.Strings = (
          'Error: Directory ''%s'' could not be deleted.'
          'Fehler: Verzeichnis ''%s'' konnte nicht gelöscht werden.')
      end
      item
        Key = 'DirDeleted'
        Texts.Strings = (
          'Directory ''%s'' deleted.'
          'Verzeichnis ''%s'' gelöscht.')
      end
      item
        Key = 'FileCopied'
        Texts.Strings = (
          'File ''%s'' copied to ''%s''.'
          'Datei ''%s'' nach ''%s'' kopiert.')
      end
      item
        Key = 'EFileCopy'
        Texts.Strings = (
          'Error: File ''%s'' could not be copied to ''%s''.'
          'Fehler: Datei ''%s'' konnte nicht nach ''%s'' kopiert werden.')
      end
      item
        Key = 'FileDeleted'
        Texts.Strings = (
          'File ''%s'' deleted.'
          'Datei ''%s'' gelöscht.')
      end
      item
        Key = 'EFileDelete'
        Texts.Strings = (
          'Error: File ''%s'' could not be deleted.'
          'Fehler: Datei ''%s'' konnte nicht gelöscht werden.')
      end
      item
        Key = 'UninstStatus'
        Texts.Strings = (
          'Status of uninstallation:'
          'Status der Deinstallation:')
      end
      item
        Key = 'InstStatus'
        Texts.Strings = (
          'Status of installation:'
          'Status der Installation:')
      end
      item
        Key = 'Finished'
        Texts.Strings = (
          'Finished.'
          'Abgeschlossen.')
      end
      item
        Key = 'EPackageRegister'
        Texts.Strings = (
          'Package ''%s'' could not be registered to Delphi.'
          'Package ''%s'' konnte nicht bei Delphi registriert werden.')
      end
      item
        Key = 'PackageRegistered'
        Texts.Strings = (
          'Package ''%s'' registered to Delphi.'
          'Package ''%s'' bei Delphi registriert.')
      end
      item
        Key = 'EUnknownError'
        Texts.Strings = (
          'An unknown installation error has occured.'
          'Ein unbekannter Installationsfehler ist aufgetreten.')
      end
      item
        Key = 'NoFiles'
        Texts.Strings = (
          'No files to install found.'
          'Keine Dateien zum Installieren gefunden.')
      end
      item
        Key = 'InstallationCompleted'
        Texts.Strings = (
          'Installation completed.'
          'Installation abgeschlossen.')
      end
      item
        Key = 'DeinstallationCompleted'
        Texts.Strings = (
          'Deinstallation completed.'
          'Deinstallation abgeschlossen.')
      end>
    Translations = <
      item
        Component = ButtonPanel
        Path = 'Buttons[0].Caption'
        Texts.Strings = (
          '&Continue'
          '&Weiter')
      end
      item
        Component = ButtonPanel
        Path = 'Buttons[1].Caption'
        Texts.Strings = (
          'Close'
          'Schließen')
      end
      item
        Component = LabelLang
        Path = 'Caption'
        Texts.Strings = (
          'Language:'
          'Sprache:')
      end
      item
        Component = GroupReg
        Path = 'Caption'
        Texts.Strings = (
          'Register packages to'
          'Packages registrieren für')
      end
      item
        Component = GroupDir
        Path = 'Caption'
        Texts.Strings = (
          'Package locations'
          'Package-Verzeichnisse')
      end
      item
        Component = GroupMode
        Path = 'Caption'
        Texts.Strings = (
          'Installation/uninstallation'
          'Installation/Deinstallation')
      end
      item
        Component = BtnInstall
        Path = 'Caption'
        Texts.Strings = (
          'Install'
          'Installieren')
      end
      item
        Component = BtnUninstall
        Path = 'Caption'
        Texts.Strings = (
          'Uninstall'
          'Deinstallieren')
      end
      item
        Component = GroupFolder
        Path = 'Caption'
        Texts.Strings = (
          'Installation folder'
          'Installationsverzeichnis')
      end
      item
        Component = BtnFolder
        Path = 'Caption'
        Texts.Strings = (
          'Enabled'
          'Aktivieren')
      end
      item
        Component = VocalithInstallForm
        Path = 'Caption'
        Texts.Strings = (
          'Ostrell Vocalith - Installation'
          'Ostrell Vocalith - Installation')
      end>
    OnChange = VocalithChange
  end
end
