PaginorForm 1
Begin Form F
    Begin PaginorV2CTL.O2007Hover h
        Caption = String "ab"
    End
End
