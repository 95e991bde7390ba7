PaginorForm 1
Begin Form F
    Begin PaginorV2CTL.O2007Hover h
        Left = 0.1234567
        Font = Font "Arial" 123.4567
    End
End
