PaginorForm 1
Begin Form Form1
    Width = 4800
    Height = 3600
    BackColor = &H8000000F&
    Begin PaginorV2CTL.O2007Hover hPrompt
        Left = 120
        Top = 120.5
        Width = 360
        Height = 360
        NormalImage = Picture {
            R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7
        }
        HoverText = String "Say ""hi"""
        Count = Integer -12
        Big = Long 123456
        Enabled = Boolean True
        Tint = Colour &H00FF00FF&
        Font = Font "Liberation Sans" 8.25 Bold Underline
        Nothing = Nothing
    End
    Begin PaginorV2CTL.HoverButton inner
        Container = "hPrompt"
        Left = 0
        Top = 0
        Width = 100
        Height = 100
    End
End
