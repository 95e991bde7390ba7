-- Errors as a form's logic meets them: a control's error as a value, a handler that
-- fails without stopping the form.
local ok, err = pcall(function() CreateObject("PaginorV2CTL.PromptField").MyStyle = 9 end)
Print(ok, err.number, err.source, err.description)
ok, err = pcall(LoadPicture, "no such picture.png")
Print(ok, err.number, err.source)
ok, err = pcall(function() hOne.NoSuchMember = 1 end)
Print(ok, tostring(err))

function hOne_MouseMove()
    error("no luck")
end

function hOne_Click()
    Print("Click still arrives")
end
