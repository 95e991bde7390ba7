PaginorForm 1
Begin Form F
    Begin PaginorV2CTL.O2007Hover h
        Height = -1e19
    End
End
